#include "bench/support/SchemaStatements.h"

#include "database/SchemaScripts.h"

namespace {

std::vector<std::string> SplitScript(const char* pszScript) {
    std::vector<std::string> out;
    std::string cur;
    for (const char* p = pszScript; *p; ++p) {
        if (p[0] == '-' && p[1] == '-') {
            while (*p && *p != '\n') ++p;
            if (!*p) break;
        }
        if (*p == ';') {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += *p;
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> SchemaStatements() {
    std::vector<std::string> statements;
    for (std::string& s : SplitScript(kSqliteSchemaScript))
        if (s.find_first_not_of(" \r\n\t") != std::string::npos) statements.push_back(std::move(s));
    return statements;
}

#include "tests/support/ProductFileWriter.h"

#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace productgen {

void AppendLine(std::string& out, const std::string& text) {
    out += text;
    out += '\n';
}

void AppendInt(std::string& out, int value) {
    const unsigned int v = static_cast<unsigned int>(value);
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((v >> shift) & 0xFF);
}

namespace {

void AppendList(std::string& out, const std::vector<std::string>& list) {
    AppendInt(out, static_cast<int>(list.size()));
    for (const std::string& s : list) AppendLine(out, s);
}

void AppendSet(std::string& out, const ChoiceSet& set) {
    AppendList(out, set.list1);
    AppendList(out, set.list2);
    AppendList(out, set.list3);
}

void AppendComponent(std::string& out, const Component& c) {
    AppendLine(out, c.name);
    AppendInt(out, c.start);
    AppendInt(out, c.length);
}

void AppendConditions(std::string& out, const std::vector<Condition>& conditions) {
    AppendInt(out, static_cast<int>(conditions.size()));
    for (const Condition& c : conditions) {
        AppendLine(out, c.name);
        AppendList(out, c.values);
    }
}

}  // namespace

std::string WriteTable(const TableFile& file) {
    std::string out;
    AppendLine(out, kHeaderLine);
    AppendInt(out, file.fileNumber);
    AppendInt(out, static_cast<int>(file.rows.size()));
    AppendInt(out, file.cols);
    AppendInt(out, file.priceColumn);
    AppendSet(out, file.firstLevel);
    AppendInt(out, static_cast<int>(file.sets.size()));
    for (const ChoiceSet& set : file.sets) AppendSet(out, set);
    AppendInt(out, static_cast<int>(file.components.size()));
    for (const Component& c : file.components) AppendComponent(out, c);
    AppendList(out, file.columnNames);
    for (const auto& row : file.rows)
        for (const std::string& cell : row) AppendLine(out, cell);
    return out;
}

std::string WriteGrouped(const GroupedFile& file) {
    std::string out;
    AppendLine(out, kHeaderLine);
    AppendInt(out, file.fileNumber);
    AppendInt(out, file.priceColumn);
    AppendList(out, file.columnNames);
    AppendList(out, file.titles);
    AppendInt(out, static_cast<int>(file.groups.size()));
    for (const Group& g : file.groups) {
        AppendLine(out, g.name);
        AppendList(out, g.cells);
        AppendConditions(out, g.conditions);
        AppendInt(out, static_cast<int>(g.items.size()));
        for (const Item& item : g.items) {
            AppendLine(out, item.name);
            AppendConditions(out, item.conditions);
            AppendList(out, item.cells);
            AppendInt(out, static_cast<int>(item.components.size()));
            for (const Component& c : item.components) AppendComponent(out, c);
        }
    }
    return out;
}

std::string WriteDescription(const Description& description) {
    return description.grouped ? WriteGrouped(description.groups) : WriteTable(description.table);
}

// ---------------------------------------------------------------- parsing

namespace {

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return std::string();
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// Splits at " | " (a bar with any blanks around it); cells keep inner blanks.
std::vector<std::string> SplitBars(const std::string& s) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t bar = s.find('|', start);
        parts.push_back(Trim(s.substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return parts;
}

std::vector<std::string> SplitWords(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> words;
    std::string w;
    while (in >> w) words.push_back(w);
    return words;
}

struct Value {
    std::string code, description, adder;
};

struct Column {
    std::string name;
    bool choosing = false;
    std::string caption, initial;
    std::vector<std::string> headings;
    std::vector<Value> values;
    bool hasComponent = false;
    Component component;
    bool explicitStart = false;
};

struct Expansion {
    double base = 0;
    std::map<std::string, std::string> templates;
    std::vector<std::vector<std::pair<std::string, std::string>>> poa;
};

struct RowSource {
    bool expand = false;
    std::vector<std::string> cells;
    Expansion expansion;
};

class Parser {
public:
    explicit Parser(const std::string& text) : m_text(text) {}

    Description Parse() {
        std::istringstream in(m_text);
        std::string raw;
        while (std::getline(in, raw)) {
            ++m_line;
            std::string line = Trim(raw);
            if (line.empty() || line[0] == '#') continue;
            size_t sp = line.find_first_of(" \t");
            std::string key = line.substr(0, sp);
            std::string rest = sp == std::string::npos ? std::string() : Trim(line.substr(sp));
            try {
                Statement(key, rest);
            } catch (const std::logic_error&) {  // std::stoi and std::stod
                Fail("bad number in: " + line);
            }
        }
        Description d;
        d.grouped = m_grouped;
        if (m_grouped) {
            d.groups = m_groupedFile;
            d.groups.fileNumber = m_number;
            d.groups.priceColumn = ColumnIndex(m_groupedFile.columnNames, m_price);
        } else {
            d.table = BuildTable();
        }
        return d;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw DescriptionError("line " + std::to_string(m_line) + ": " + what);
    }

    int ColumnIndex(const std::vector<std::string>& names, const std::string& name) const {
        if (name.empty()) return 0;
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i] == name) return static_cast<int>(i);
        Fail("no column named " + name);
    }

    void Statement(const std::string& key, const std::string& rest) {
        if (key == "form") {
            if (rest != "table" && rest != "grouped") Fail("form is table or grouped");
            m_grouped = rest == "grouped";
            m_formSet = true;
            return;
        }
        if (!m_formSet) Fail("the description begins with its form");
        if (key == "number") {
            m_number = std::stoi(rest);
        } else if (key == "price") {
            m_price = rest;
        } else if (m_grouped) {
            GroupedStatement(key, rest);
        } else {
            TableStatement(key, rest);
        }
    }

    // ---- table form
    Column& CurrentColumn() {
        if (m_columns.empty()) Fail("no column yet");
        return m_columns.back();
    }

    void TableStatement(const std::string& key, const std::string& rest) {
        if (m_inExpand && (key == "base" || key == "cell" || key == "poa")) {
            Expansion& e = m_rows.back().expansion;
            if (key == "base") {
                e.base = std::stod(rest);
            } else if (key == "cell") {
                size_t eq = rest.find('=');
                if (eq == std::string::npos) Fail("cell <column> = <template>");
                e.templates[Trim(rest.substr(0, eq))] = Trim(rest.substr(eq + 1));
            } else {
                std::vector<std::pair<std::string, std::string>> filter;
                for (const std::string& w : SplitWords(rest)) {
                    size_t eq = w.find('=');
                    if (eq == std::string::npos) Fail("poa <column>=<code> ...");
                    filter.emplace_back(w.substr(0, eq), w.substr(eq + 1));
                }
                e.poa.push_back(filter);
            }
            return;
        }
        m_inExpand = false;
        if (key == "title") {
            m_titles.push_back(rest);
        } else if (key == "column") {
            Column c;
            c.name = rest;
            m_columns.push_back(c);
        } else if (key == "caption") {
            CurrentColumn().choosing = true;
            CurrentColumn().caption = rest;
        } else if (key == "initial") {
            CurrentColumn().initial = rest;
        } else if (key == "heading") {
            CurrentColumn().headings.push_back(rest);
        } else if (key == "value") {
            std::vector<std::string> parts = SplitBars(rest);
            Value v;
            v.code = parts[0];
            if (parts.size() > 1) v.description = parts[1];
            if (parts.size() > 2) v.adder = parts[2];
            CurrentColumn().values.push_back(v);
        } else if (key == "component") {
            std::vector<std::string> w = SplitWords(rest);
            if (w.size() != 2 && !(w.size() == 4 && w[2] == "at"))
                Fail("component <name> <length> [at <start>]");
            Column& c = CurrentColumn();
            c.hasComponent = true;
            c.component.name = w[0];
            c.component.length = std::stoi(w[1]);
            c.explicitStart = w.size() == 4;
            if (c.explicitStart) c.component.start = std::stoi(w[3]);
        } else if (key == "row") {
            RowSource r;
            r.cells = SplitBars(rest);
            m_rows.push_back(r);
        } else if (key == "expand") {
            RowSource r;
            r.expand = true;
            m_rows.push_back(r);
            m_inExpand = true;
        } else {
            Fail("unknown statement " + key);
        }
    }

    TableFile BuildTable() {
        TableFile t;
        t.fileNumber = m_number;
        t.cols = static_cast<int>(m_columns.size());
        t.firstLevel.list1 = m_titles;
        bool choosingEnded = false, componentsEnded = false;
        int nextStart = 0;
        for (const Column& c : m_columns) {
            t.columnNames.push_back(c.name);
            if (c.choosing) {
                if (choosingEnded) Fail("choosing columns come first: " + c.name);
                t.firstLevel.list2.push_back(c.caption);
                t.firstLevel.list3.push_back(c.initial);
                ChoiceSet set;
                set.list1 = c.headings;
                for (const Value& v : c.values) {
                    set.list2.push_back(v.code);
                    set.list3.push_back(v.description);
                }
                t.sets.push_back(set);
            } else {
                choosingEnded = true;
            }
            if (c.hasComponent) {
                if (componentsEnded) Fail("components belong to the first columns: " + c.name);
                Component comp = c.component;
                if (!c.explicitStart) comp.start = nextStart;
                nextStart = comp.start + comp.length + 1;
                t.components.push_back(comp);
            } else {
                componentsEnded = true;
            }
        }
        t.priceColumn = ColumnIndex(t.columnNames, m_price);
        for (const RowSource& r : m_rows) {
            if (!r.expand) {
                if (r.cells.size() != m_columns.size())
                    Fail("a row needs " + std::to_string(t.cols) + " cells");
                t.rows.push_back(r.cells);
            } else {
                Expand(r.expansion, t);
            }
        }
        return t;
    }

    std::string Substitute(const std::string& pattern, const std::vector<const Value*>& picked,
                           const std::string& price) const {
        std::string out;
        for (size_t i = 0; i < pattern.size(); ++i) {
            if (pattern[i] != '{') {
                out += pattern[i];
                continue;
            }
            size_t close = pattern.find('}', i);
            if (close == std::string::npos) Fail("unclosed { in " + pattern);
            std::string name = pattern.substr(i + 1, close - i - 1);
            bool desc = false;
            if (name.size() > 5 && name.compare(name.size() - 5, 5, ":desc") == 0) {
                desc = true;
                name.resize(name.size() - 5);
            }
            if (name == "price") {
                out += price;
            } else {
                bool found = false;
                for (size_t k = 0; k < picked.size(); ++k)
                    if (m_columns[k].name == name) {
                        out += desc ? picked[k]->description : picked[k]->code;
                        found = true;
                    }
                if (!found) Fail("no choosing column " + name);
            }
            i = close;
        }
        return out;
    }

    void Expand(const Expansion& e, TableFile& t) {
        std::vector<const Column*> choosing;
        for (const Column& c : m_columns)
            if (c.choosing) choosing.push_back(&c);
        if (choosing.empty()) return;
        std::vector<const Value*> picked(choosing.size());
        std::function<void(size_t)> walk = [&](size_t k) {
            if (k == choosing.size()) {
                bool poa = false;
                double price = e.base;
                for (const Value* v : picked) {
                    if (v->adder == "POA")
                        poa = true;
                    else if (!v->adder.empty())
                        price += std::stod(v->adder);
                }
                for (const auto& filter : e.poa) {
                    bool all = true;
                    for (const auto& [col, code] : filter) {
                        bool hit = false;
                        for (size_t i = 0; i < choosing.size(); ++i)
                            if (choosing[i]->name == col && picked[i]->code == code) hit = true;
                        all = all && hit;
                    }
                    if (all) poa = true;
                }
                char buf[64];
                std::snprintf(buf, sizeof buf, "%.2f", price);
                const std::string priceText = poa ? kPoaPrice : buf;
                std::vector<std::string> row;
                for (size_t c = 0; c < m_columns.size(); ++c) {
                    if (c < picked.size()) {
                        row.push_back(picked[c]->code);
                        continue;
                    }
                    auto it = e.templates.find(m_columns[c].name);
                    if (it != e.templates.end())
                        row.push_back(Substitute(it->second, picked, priceText));
                    else if (m_columns[c].name == m_price)
                        row.push_back(priceText);
                    else
                        row.push_back(std::string());
                }
                t.rows.push_back(row);
                return;
            }
            for (const Value& v : choosing[k]->values) {
                picked[k] = &v;
                walk(k + 1);
            }
        };
        walk(0);
    }

    // ---- grouped form
    std::vector<Condition>& CurrentConditions() {
        if (m_groupedFile.groups.empty()) Fail("no group yet");
        Group& g = m_groupedFile.groups.back();
        return m_inItem ? g.items.back().conditions : g.conditions;
    }

    void GroupedStatement(const std::string& key, const std::string& rest) {
        if (key == "columns") {
            m_groupedFile.columnNames = SplitBars(rest);
        } else if (key == "title") {
            m_groupedFile.titles.push_back(rest);
        } else if (key == "group") {
            Group g;
            g.name = rest;
            m_groupedFile.groups.push_back(g);
            m_inItem = false;
        } else if (key == "cell") {
            if (m_groupedFile.groups.empty() || m_inItem) Fail("cell belongs to a group before its items");
            m_groupedFile.groups.back().cells.push_back(rest);
        } else if (key == "if") {
            size_t eq = rest.find('=');
            if (eq == std::string::npos) Fail("if <name> = <value> | ...");
            Condition c;
            c.name = Trim(rest.substr(0, eq));
            c.values = SplitBars(rest.substr(eq + 1));
            CurrentConditions().push_back(c);
        } else if (key.size() >= 2 && key.compare(0, 2, "or") == 0 && key.size() <= 3) {
            Condition c;
            c.name = key;
            size_t eq = rest.find('=');
            c.values.push_back(eq == std::string::npos ? key : Trim(rest.substr(eq + 1)));
            CurrentConditions().push_back(c);
        } else if (key == "item") {
            if (m_groupedFile.groups.empty()) Fail("item outside a group");
            Item item;
            item.name = rest;
            m_groupedFile.groups.back().items.push_back(item);
            m_inItem = true;
        } else if (key == "cells") {
            if (!m_inItem) Fail("cells belong to an item");
            m_groupedFile.groups.back().items.back().cells = SplitBars(rest);
        } else if (key == "component") {
            if (!m_inItem) Fail("component belongs to an item");
            std::vector<std::string> w = SplitWords(rest);
            if (w.size() != 3) Fail("component <name> <start> <length>");
            m_groupedFile.groups.back().items.back().components.push_back(
                {w[0], std::stoi(w[1]), std::stoi(w[2])});
        } else {
            Fail("unknown statement " + key);
        }
    }

    const std::string& m_text;
    int m_line = 0;
    bool m_formSet = false;
    bool m_grouped = false;
    int m_number = 0;
    std::string m_price;
    // table form
    std::vector<std::string> m_titles;
    std::vector<Column> m_columns;
    std::vector<RowSource> m_rows;
    bool m_inExpand = false;
    // grouped form
    GroupedFile m_groupedFile;
    bool m_inItem = false;
};

}  // namespace

Description ParseDescription(const std::string& text) {
    try {
        return Parser(text).Parse();
    } catch (const std::logic_error& e) {  // a bad price adder met while expanding
        throw DescriptionError(std::string("bad number: ") + e.what());
    }
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + path);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace productgen

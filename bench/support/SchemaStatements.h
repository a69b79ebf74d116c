// The statements of the shipped SQLite schema script, one by one, as the
// benchmarks that make a fresh database run them.
#pragma once

#include <string>
#include <vector>

// The script's statements without their semicolons and "--" comments;
// statements of nothing but blanks are left out.
std::vector<std::string> SchemaStatements();

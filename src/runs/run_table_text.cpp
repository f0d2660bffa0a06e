#include "runs/run_table.hpp"

#include "io/printf_format.hpp"
#include "stats/number_format.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zelkor {
namespace {

constexpr const char* kUndefined = "undefined";

std::string Exact(double value) { return FormatDouble("%.17g", value); }

// A message's line breaks would break the row.
std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

}  // namespace

std::string RunCellText(const RunCell& cell) {
    struct Visitor {
        std::string operator()(std::monostate) const { return "-"; }
        std::string operator()(Undefined) const { return kUndefined; }
        std::string operator()(const std::string& s) const { return OneLine(s); }
        std::string operator()(std::int64_t n) const { return std::to_string(n); }
        std::string operator()(double v) const { return FormatNumber(ExponentFormat(6), v); }
    };
    return std::visit(Visitor{}, cell);
}

namespace {

std::string CsvQuoted(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string quoted = "\"";
    for (const char c : s) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string CsvCell(const RunCell& cell) {
    struct Visitor {
        std::string operator()(std::monostate) const { return ""; }
        std::string operator()(Undefined) const { return kUndefined; }
        std::string operator()(const std::string& s) const { return CsvQuoted(s); }
        std::string operator()(std::int64_t n) const { return std::to_string(n); }
        std::string operator()(double v) const { return Exact(v); }
    };
    return std::visit(Visitor{}, cell);
}

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (const unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string JsonCell(const RunCell& cell) {
    struct Visitor {
        std::string operator()(std::monostate) const { return "null"; }
        std::string operator()(Undefined) const { return "null"; }
        std::string operator()(const std::string& s) const { return JsonString(s); }
        std::string operator()(std::int64_t n) const { return std::to_string(n); }
        // JSON has no nan or infinity.
        std::string operator()(double v) const { return std::isfinite(v) ? Exact(v) : "null"; }
    };
    return std::visit(Visitor{}, cell);
}

std::string CsvTable(const std::vector<RunSummary>& rows) {
    std::string out;
    for (const RunColumn& column : RunSummaryColumns()) out += (out.empty() ? "" : ",") + std::string(column.name);
    out += '\n';
    for (const RunSummary& row : rows) {
        const std::vector<RunCell> cells = RunSummaryCells(row);
        for (std::size_t c = 0; c < cells.size(); ++c) out += (c > 0 ? "," : "") + CsvCell(cells[c]);
        out += '\n';
    }
    return out;
}

std::string JsonTable(const std::vector<RunSummary>& rows) {
    const auto columns = RunSummaryColumns();
    std::string out = "[";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<RunCell> cells = RunSummaryCells(rows[r]);
        out += r > 0 ? ",\n  {" : "\n  {";
        for (std::size_t c = 0; c < cells.size(); ++c)
            out += (c > 0 ? ", " : "") + JsonString(std::string(columns[c].name)) + ": " + JsonCell(cells[c]);
        out += "}";
    }
    return out + (rows.empty() ? "]\n" : "\n]\n");
}

// Columns two blanks apart, each as wide as its widest cell; numbers to the right.
std::string TextTable(const std::vector<RunSummary>& rows) {
    const auto columns = RunSummaryColumns();
    std::vector<std::vector<std::string>> lines(2);
    std::vector<bool> rightAligned(columns.size(), false);
    for (const RunColumn& column : columns) {
        lines[0].emplace_back(column.name);
        lines[1].push_back(column.unit.empty() ? "" : "[" + std::string(column.unit) + "]");
    }
    for (const RunSummary& row : rows) {
        const std::vector<RunCell> cells = RunSummaryCells(row);
        lines.emplace_back();
        for (std::size_t c = 0; c < cells.size(); ++c) {
            lines.back().push_back(RunCellText(cells[c]));
            if (std::holds_alternative<double>(cells[c]) || std::holds_alternative<std::int64_t>(cells[c]))
                rightAligned[c] = true;
        }
    }
    std::vector<std::size_t> widths(columns.size(), 0);
    for (const auto& line : lines)
        for (std::size_t c = 0; c < line.size(); ++c) widths[c] = std::max(widths[c], line[c].size());
    std::string out;
    for (const auto& line : lines) {
        std::string text;
        for (std::size_t c = 0; c < line.size(); ++c) {
            const std::string pad(widths[c] - line[c].size(), ' ');
            text += (c > 0 ? "  " : "") + (rightAligned[c] ? pad + line[c] : line[c] + pad);
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        out += text + '\n';
    }
    return out;
}

}  // namespace

std::string RunSummaryTable(const std::vector<RunSummary>& rows, RunTableFormat format) {
    switch (format) {
        case RunTableFormat::Csv: return CsvTable(rows);
        case RunTableFormat::Json: return JsonTable(rows);
        case RunTableFormat::Text: break;
    }
    return TextTable(rows);
}

}  // namespace zelkor

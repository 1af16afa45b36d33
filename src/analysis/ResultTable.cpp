#include "analysis/ResultTable.h"

#include <algorithm>
#include <ctime>
#include <optional>

#include "store/NumberText.h"

namespace tavrelion::analysis {
namespace {

std::string Decimals(double value) {
    return store::FormatPattern(value, "0.000");
}

std::string Optional(const std::optional<double>& value) {
    return value ? Decimals(*value) : std::string();
}

void AddFields(std::string& line, const std::vector<std::string>& fields) {
    for (const std::string& field : fields) {
        line += ',' + CsvField(field);
    }
}

std::string Start(const TableContext& context, const std::string& method) {
    std::string line = CsvField(context.file);
    AddFields(line, {context.date, context.referenceSet, context.range, method});
    return line;
}

std::string MethodRow(const TableContext& context, const MethodResult& result) {
    std::string line = Start(context, result.method);
    AddFields(line,
              {Decimals(result.helix), Decimals(result.sheet),
               result.turnGiven ? Decimals(result.turn) : std::string(), Decimals(result.other),
               Decimals(result.total), Optional(result.nrmsd), result.quality});
    return line + std::string(8, ',') + "\r\n";
}

std::string ConsensusRow(const TableContext& context, const ConsensusResult& c) {
    std::string line = Start(context, "Consensus");
    if (!c.available) {
        AddFields(line, {"", "", "", "", "", "", "not available: " + c.reason});
        return line + std::string(8, ',') + "\r\n";
    }
    AddFields(line, {Decimals(c.helix), Decimals(c.sheet), Decimals(c.turn), Decimals(c.other),
                     Decimals(c.total), "", ""});
    for (const FractionInterval& interval : {c.helix68, c.sheet68, c.helix95, c.sheet95}) {
        AddFields(line, {Decimals(interval.low), Decimals(interval.high)});
    }
    return line + "\r\n";
}

std::string Padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text + ' ' : text + std::string(width - text.size(), ' ');
}

std::string RightAligned(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string Interval(const FractionInterval& interval) {
    return Padded(Decimals(interval.low) + " to " + Decimals(interval.high), 16);
}

std::string TrimmedEnd(std::string line) {
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

}  // namespace

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + '"';
}

std::string ResultTableRows(const TableContext& context, const std::vector<MethodResult>& methods,
                            const ConsensusResult& consensus) {
    std::string rows;
    for (const MethodResult& method : methods) {
        rows += MethodRow(context, method);
    }
    return rows + ConsensusRow(context, consensus);
}

std::string ResultTableCsv(const TableContext& context, const std::vector<MethodResult>& methods,
                           const ConsensusResult& consensus) {
    return std::string(ResultTableHeader) + "\r\n" + ResultTableRows(context, methods, consensus);
}

std::string ResultTableText(const TableContext& context, const std::vector<MethodResult>& methods,
                            const ConsensusResult& consensus) {
    std::string text = " Results table: " + context.range + " nm, reference set " +
                       context.referenceSet + ", " + context.date + "\r\n";
    const auto number = [](const std::string& value) { return RightAligned(value, 7); };
    std::string heads = ' ' + Padded("method", 11);
    for (const char* head : {"helix", "sheet", "turn", "other", "total", "NRMSD"}) {
        heads += number(head);
    }
    heads += "  " + Padded("quality", 12);
    for (const char* head : {"helix 68 %", "sheet 68 %", "helix 95 %", "sheet 95 %"}) {
        heads += Padded(head, 16);
    }
    text += TrimmedEnd(heads) + "\r\n";
    for (const MethodResult& m : methods) {
        std::string line = ' ' + Padded(m.method, 11) + number(Decimals(m.helix)) +
                           number(Decimals(m.sheet)) +
                           number(m.turnGiven ? Decimals(m.turn) : "-") +
                           number(Decimals(m.other)) + number(Decimals(m.total)) +
                           number(m.nrmsd ? Decimals(*m.nrmsd) : "-") + "  " + m.quality;
        text += TrimmedEnd(line) + "\r\n";
    }
    std::string line = ' ' + Padded("Consensus", 11);
    if (consensus.available) {
        for (const double value :
             {consensus.helix, consensus.sheet, consensus.turn, consensus.other, consensus.total}) {
            line += number(Decimals(value));
        }
        line += number("-") + "  " + std::string(12, ' ');
        for (const FractionInterval& interval :
             {consensus.helix68, consensus.sheet68, consensus.helix95, consensus.sheet95}) {
            line += Interval(interval);
        }
    } else {
        line += "not available: " + consensus.reason;
    }
    text += TrimmedEnd(line) + "\r\n";
    for (const MethodResult& m : methods) {
        if (!m.inputCheck.empty()) {
            text += ' ' + m.method + ": " + m.inputCheck + "\r\n";
        }
    }
    return text;
}

std::string TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

}  // namespace tavrelion::analysis

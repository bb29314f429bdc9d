#include "inputs.h"

namespace bench {

std::vector<TypicalCase> TypicalCases() {
    std::string tenLines;
    for (int i = 1; i <= 10; ++i) tenLines += "a" + std::to_string(i) + " = " + std::to_string(i * 7 % 11) + ".5\n";
    // Twenty lines in no helpful order: the first ones use names defined further down.
    std::string twentyLines =
        "total = net + tax\nnet = price * count\ntax = net * rate%\nrate = 19\nprice = 12.40\n"
        "count = 7\ndiscount = IF(count > 5, net * 3%, 0)\nto_pay = total - discount\nshipping = 4.95\n"
        "grand = to_pay + shipping\nper_item = grand / count\nrounded = ROUND(per_item, 0)\n"
        "weight = 0.25 * count\nheavy = weight > 1.5\nstart = \"1/3/2024\"\nend = \"15/4/2024\"\n"
        "days = DAYS360(start, end)\nlate = days > 30\nfee = IF(late, 2.5, 0)\nbill = grand + fee\n";
    return {
        {"number", "", "12345.678"},
        {"operators", "", "1+2*3-4/5^2"},
        {"percent and sign", "", "-200+10%"},
        {"comparison", "", "3>=2"},
        {"SIN COS TAN", "", "SIN(30)+COS(60)+TAN(45)"},
        {"LOG LN LOG10 EXP", "", "LOG(100)+LN(2)+LOG10(1000)+EXP(1)"},
        {"POW NROOT", "", "POW(2,10)+NROOT(27,3)"},
        {"MODULO", "", "MODULO(17,5)"},
        {"IF", "", "IF(2>1,10,20)"},
        {"SUM range, 10-line sheet", tenLines, "SUM(A1:A10)"},
        {"ROUND", "", "ROUND(1234.5678,-2)"},
        {"AND OR", "", "AND(1,2,3)+OR(0,1)"},
        {"MIN list", "", "MIN(4,2,8,-1,7)"},
        {"MAX list", "", "MAX(4,2,8,-1,7)"},
        {"DATE", "", "DATE(\"1/1/2000\",<,\"15/2/2000\")"},
        {"DAYS360", "", "DAYS360(\"1/1/2000\",\"15/2/2000\")"},
        {"DAY", "", "DAY(\"25/12/2000\")"},
        {"dates compared", "", "(\"1/1/2000\")<(\"15/2/2000\")"},
        {"20-line sheet", twentyLines, "bill"},
    };
}

const char* FlatKindName(FlatKind kind) {
    switch (kind) {
        case FlatKind::Sum: return "1+1+...";
        case FlatKind::Product: return "2*0.5*...";
        case FlatKind::MixedLevels: return "mixed levels";
        case FlatKind::PercentsAndSigns: return "percents, signs";
        case FlatKind::Comparisons: return "comparisons";
    }
    return "";
}

std::string FlatExpression(FlatKind kind, int operators) {
    // Each kind repeats a unit of binary operators after a first operand.
    const char* first = "1";
    std::vector<const char*> units;
    switch (kind) {
        case FlatKind::Sum: units = {"+1"}; break;
        case FlatKind::Product: first = "2"; units = {"*0.5", "*2"}; break;
        case FlatKind::MixedLevels: units = {"+2", "*3", "-4", "/2", "^1", "+0.5"}; break;
        case FlatKind::PercentsAndSigns: units = {"+2%", "*(-3)", "-4%", "+(+5)", "/(-2)%"}; break;
        case FlatKind::Comparisons: units = {"<2", "=1", ">0", "<=3", ">=1", "+1"}; break;
    }
    std::string text = first;
    text.reserve(size_t(operators) * 6);
    for (int i = 0; i < operators; ++i) text += units[size_t(i) % units.size()];
    return text;
}

const char* NestKindName(NestKind kind) {
    switch (kind) {
        case NestKind::Brackets: return "((((1))))";
        case NestKind::Calls: return "SQR(SQR(...))";
        case NestKind::BracketedSums: return "1+(1+(1+...))";
    }
    return "";
}

std::string NestedExpression(NestKind kind, int depth) {
    std::string open, inner = "1", close = ")";
    switch (kind) {
        case NestKind::Brackets: open = "("; break;
        case NestKind::Calls: open = "SQR("; break;
        case NestKind::BracketedSums: open = "1+("; break;
    }
    std::string text;
    text.reserve(size_t(depth) * (open.size() + 1) + 1);
    for (int i = 0; i < depth; ++i) text += open;
    text += inner;
    for (int i = 0; i < depth; ++i) text += close;
    return text;
}

std::string BottomUpSheet(int lines) {
    std::string text;
    for (int i = 1; i < lines; ++i) text += "v" + std::to_string(i) + " = v" + std::to_string(i + 1) + " + 1\n";
    text += "v" + std::to_string(lines) + " = 1\n";
    return text;
}

}  // namespace bench

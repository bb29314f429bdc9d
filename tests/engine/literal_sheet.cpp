#include "literal_sheet.h"

void LiteralResolveSheet(tuv::VariableSheet& sheet) {
    std::string name, value;
    bool failed, progress;
    do {
        failed = progress = false;
        for (int i = 0; i < sheet.lineCount; ++i) {
            if (sheet.statuses[i] != tuv::Unresolved) continue;
            value.clear();
            if (!tuv::EvaluateLine(sheet.lines[i], name, value)) {
                failed = true;
                continue;
            }
            if (sheet.values.count(name)) {
                sheet.statuses[i] = tuv::Duplicate;
            } else {
                sheet.values.emplace(name, value);
                sheet.statuses[i] = tuv::Defined;
            }
            progress = true;
        }
    } while (progress && failed);
}

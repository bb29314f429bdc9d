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
            // The first definition to resolve wins.
            sheet.statuses[i] = sheet.values.emplace(name, value).second ? tuv::Defined : tuv::Duplicate;
            progress = true;
        }
    } while (progress && failed);
}

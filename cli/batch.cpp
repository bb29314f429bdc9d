#include "batch.h"

#include <string>

#include <nlohmann/json.hpp>

#include "report.h"
#include "variable_sheet.h"

namespace {

using Json = nlohmann::ordered_json;

// Texts are bytes; a value cut inside a UTF-8 sequence is written with U+FFFD in its place.
std::string Dump(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

Json EvaluateRequest(const Json& request) {
    if (!request.is_object()) return Json{{"error", "a line must be a JSON object"}};
    auto expression = request.find("expression");
    if (expression == request.end() || !expression->is_string())
        return Json{{"error", "\"expression\" must be a string"}};
    std::string variables;
    if (auto found = request.find("variables"); found != request.end()) {
        if (!found->is_string()) return Json{{"error", "\"variables\" must be a string"}};
        variables = found->get<std::string>();
    }
    std::string result, details, value;
    bool ok = tuv::RunEvaluation(variables, expression->get<std::string>(), result, details, &value);
    return Json{{"ok", ok},
                {"result", result},
                {"value", value},
                {"details", tuv::BuildReport(tuv::ActiveSheet())}};
}

}  // namespace

void RunBatch(std::istream& in, std::ostream& out) {
    std::string line;
    while (std::getline(in, line)) {
        Json answer;
        try {
            answer = EvaluateRequest(Json::parse(line));
        } catch (const Json::exception& e) {
            answer = Json{{"error", std::string("malformed JSON: ") + e.what()}};
        }
        out << Dump(answer) << '\n' << std::flush;
    }
}

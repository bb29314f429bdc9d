#include "batch.h"

#include <string>

#include <nlohmann/json.hpp>

#include "report.h"
#include "variable_sheet.h"

namespace {

using Json = nlohmann::ordered_json;

// Reads one request line without building a document: the two texts go straight into strings
// that live as long as the batch, so a long batch does not allocate per line.
class RequestReader : public nlohmann::json_sax<Json> {
public:
    std::string variables, expression, error;

    bool Read(const std::string& line) {
        variables.clear();
        expression.clear();
        error.clear();
        depth_ = 0;
        haveExpression_ = false;
        if (!Json::sax_parse(line, this) && error.empty()) error = "malformed JSON";
        if (error.empty() && !haveExpression_) error = "\"expression\" must be a string";
        return error.empty();
    }

    bool null() override { return Value("null"); }
    bool boolean(bool) override { return Value("a boolean"); }
    bool number_integer(number_integer_t) override { return Value("a number"); }
    bool number_unsigned(number_unsigned_t) override { return Value("a number"); }
    bool number_float(number_float_t, const string_t&) override { return Value("a number"); }
    bool binary(binary_t&) override { return Value("binary"); }
    bool string(string_t& text) override {
        if (depth_ != 1) return true;
        if (key_ == "variables") variables.swap(text);
        else if (key_ == "expression") expression.swap(text), haveExpression_ = true;
        return true;
    }
    bool start_object(std::size_t) override { return Open(); }
    bool end_object() override { return --depth_, true; }
    bool start_array(std::size_t) override { return depth_ == 0 ? Fail("a line must be a JSON object") : Open(); }
    bool end_array() override { return --depth_, true; }
    bool key(string_t& name) override {
        if (depth_ == 1) key_.swap(name);
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) override {
        return Fail(std::string("malformed JSON: ") + e.what());
    }

private:
    int depth_ = 0;
    bool haveExpression_ = false;
    std::string key_;

    bool Open() { return ++depth_, true; }
    bool Fail(std::string message) {
        if (error.empty()) error = std::move(message);
        return false;
    }
    // A value that is not a string: only an error where one of the two texts belongs.
    bool Value(const char* what) {
        if (depth_ == 0) return Fail("a line must be a JSON object");
        if (depth_ == 1 && (key_ == "variables" || key_ == "expression"))
            return Fail("\"" + key_ + "\" must be a string, not " + what);
        return true;
    }
};

// Writes one JSON line. Texts are bytes; a value cut inside a UTF-8 sequence is written with
// U+FFFD in its place.
class LineWriter {
public:
    explicit LineWriter(std::ostream& out)
        : out_(out), serializer_(nlohmann::detail::output_adapter<char>(line_), ' ', Json::error_handler_t::replace) {}

    void Write(const Json& json) {
        line_.clear();
        serializer_.dump(json, false, false, 0);
        line_ += '\n';
        out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
    }

private:
    std::ostream& out_;
    std::string line_;  // declared before the serializer, which appends to it
    nlohmann::detail::serializer<Json> serializer_;
};

}  // namespace

void RunBatch(std::istream& in, std::ostream& out) {
    in.tie(nullptr);  // reading must not flush: answers are flushed below, when they are due
    RequestReader request;
    LineWriter writer(out);
    // One answer object for the whole batch: its strings keep their room from line to line.
    Json answer{{"ok", false}, {"result", ""}, {"value", ""}, {"details", ""}};
    std::string& result = answer["result"].get_ref<std::string&>();
    std::string& value = answer["value"].get_ref<std::string&>();
    std::string& details = answer["details"].get_ref<std::string&>();
    std::string line, detailsWithCrLf;
    while (std::getline(in, line)) {
        if (request.Read(line)) {
            answer["ok"] = tuv::RunEvaluation(request.variables, request.expression, result, detailsWithCrLf, &value);
            details = tuv::BuildReport(tuv::ActiveSheet());
            writer.Write(answer);
        } else {
            writer.Write(Json{{"error", request.error}});
        }
        // Every answer is out before the batch waits for more input, so a driver that writes one
        // line and waits for its answer never stalls; a file or pipe full of lines is answered in
        // large writes.
        if (in.rdbuf()->in_avail() <= 0) out.flush();
    }
    out.flush();
}

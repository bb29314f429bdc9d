// Tables of expressions run through the whole Evaluate road against a variables text, checking the
// value text before the result box trims it and the success flag.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "variable_sheet.h"

struct ValueCase {
    std::string expression;
    const char* text;  // the value text before the result box trims it
    bool ok;
};

inline void ExpectValues(const std::string& variables, std::initializer_list<ValueCase> cases) {
    for (const ValueCase& c : cases) {
        std::string sheet = variables, result, details, value;
        EXPECT_EQ(tuv::RunEvaluation(sheet, c.expression, result, details, &value), c.ok) << c.expression;
        EXPECT_EQ(value, c.text) << c.expression;
    }
}

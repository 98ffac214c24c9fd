// Names parameterised test cases after the label field of their row.
#pragma once

#include <gtest/gtest.h>

#include <string>

template <typename Case>
std::string LabelOf(const ::testing::TestParamInfo<Case>& row) {
    return row.param.label;
}

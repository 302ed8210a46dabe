// Splitting of comma-separated data lines with quoted fields.
#include "text/list_input.hpp"

#include <gtest/gtest.h>

namespace loxar {
namespace {

TEST(ListInput, CommasBlanksAndQuotes) {
    struct Case {
        Text line;
        std::vector<Text> fields;
    };
    const Case cases[] = {
        {"R1A,1A,St. Petersburg,SP,16,29,EU", {"R1A", "1A", "St. Petersburg", "SP", "16", "29", "EU"}},
        {R"(1, HA , "Bosnia, Herzegovina" ,EU)", {"1", "HA", "Bosnia, Herzegovina", "EU"}},
        {R"(" keeps blanks ",x)", {" keeps blanks ", "x"}},
        {R"("quoted"ignored,next)", {"quoted", "next"}},
        {R"("say ""hi""",x)", {"say \"hi\"", "x"}},
        {"a,,b,", {"a", "", "b", ""}},
        {"\ttabbed\t,  x  ", {"tabbed", "x"}},
        {R"("")", {""}},
        {"", {""}},
    };
    for (const Case& c : cases) EXPECT_EQ(list_input_fields(c.line), c.fields) << c.line;
    EXPECT_FALSE(list_input_fields(R"(1,"open,EU)").has_value());
    EXPECT_FALSE(list_input_fields(R"("unclosed ""x"")").has_value());
}

}  // namespace
}  // namespace loxar

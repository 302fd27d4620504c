// Enumerations at component level and inside an attribute, and the element
// lookups that value conversion runs over them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "database/builders.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Ascii;
using test::ParseText;

std::string Enum(const std::string &name, const std::string &elements) {
    return "Start Enum\nName = \"" + name + "\"\n" + elements + "End Enum\n";
}
std::string Attr(int id, const std::string &type, const std::string &value = "") {
    return "Start Attribute\nName = \"a\"\nID = " + std::to_string(id) + "\nType = " + type + "\n" +
           (value.empty() ? "" : "Value = " + value + "\n") + "End Attribute\n";
}
std::string Source(const std::string &enums, const std::string &attributes) {
    return "Start Component\nName = \"c\"\n" + enums + "Start Group\nName = \"g\"\nClass = \"k\"\nID = 1\n" +
           attributes + "End Group\nEnd Component\n";
}

// A counted string in an aligned buffer: `bytes` with its NUL(s).
struct Counted {
    explicit Counted(const std::string &bytes) : words(2 + bytes.size() / 4 + 2, 0) {
        words[0] = static_cast<uint32_t>(bytes.size());
        std::memcpy(&words[1], bytes.data(), bytes.size());
    }
    const CountedString *get() const { return reinterpret_cast<const CountedString *>(words.data()); }
    std::vector<uint32_t> words;
};

TEST(EnumerationTest, NamedEnumerationsAndTheirElements) {
    struct Row { std::string enums, value, text; };
    const std::string twins = Enum("e", "7 = \"first\"\n7 = \"second\"\n");
    for (const Row &row : std::vector<Row>{
             {Enum("e", "1 = \"one\"\n") + Enum("e", "1 = \"uno\"\n"), "1", "one=1"},
             {Enum("e", "0xFFFFFFFF = \"all\"\n2 = \"two\"\n"), "-1", "all=-1"},
             {twins, "7", "first=7"}, {twins, "\"second\"", "second=7"}}) {
        SCOPED_TRACE(row.enums + row.value);
        auto parsed = ParseText(Source(row.enums, Attr(1, "\"e\"", row.value)));
        EXPECT_EQ(parsed.status, 0);
        EXPECT_EQ(parsed.diagnostics, "");
        const Component *c = parsed.state().componentList;
        const Attribute *a = c->groups->attributes;  // equal names and values all stay; the first defined is found
        EXPECT_EQ(a->namedEnumeration, c->enumerations);
        ASSERT_NE(a->value.element, nullptr);
        EXPECT_EQ(Ascii(a->value.element->text) + "=" + std::to_string(a->value.element->value), row.text);
        int elements = 0;  // every row defines two
        for (const Enumeration *e = c->enumerations; e; e = e->next)
            for (const EnumElement *x = e->elements; x; x = x->next) ++elements;
        EXPECT_EQ(elements, 2);
    }
}

// From 16 elements on the lookups use an index: same answers, first defined wins.
TEST(EnumerationTest, LargeEnumerationLookups) {
    std::string elements;
    for (int i = 0; i < 20; ++i) elements += std::to_string(i) + " = \"v" + std::to_string(i) + "\"\n";
    elements += "3 = \"dup3\"\n100 = \"v5\"\n0xFFFFFFFF = \"neg\"\n";
    auto parsed = ParseText(Source(Enum("big", elements), Attr(1, "\"big\"", "\"v5\"")));
    ASSERT_EQ(parsed.status, 0);
    const Component *c = parsed.state().componentList;
    EXPECT_EQ(c->groups->attributes->value.element->value, 5);
    const Enumeration *big = c->enumerations;
    auto text = [](const EnumElement *e) { return e ? Ascii(e->text) : std::string("none"); };
    auto value = [](const EnumElement *e) { return e ? std::to_string(e->value) : std::string("none"); };
    for (auto [name, expected] : std::vector<std::pair<std::string, std::string>>{
             {"v5", "5"}, {"dup3", "3"}, {"v19", "19"}, {"neg", "-1"}, {"v20", "none"}}) {
        Counted literal(test::Utf16(name) + std::string(2, '\0'));
        EXPECT_EQ(value(FindEnumElementByName(parsed.ctx(), literal.get(), big)), expected) << name;
    }
    for (auto [number, expected] : std::vector<std::pair<std::string, std::string>>{
             {"3", "v3"}, {"100", "v5"}, {"-1", "neg"}, {"0x13", "v19"}, {"50", "none"}}) {
        Counted text8(number + std::string(1, '\0'));
        EXPECT_EQ(text(FindEnumElementByValue(parsed.ctx(), text8.get(), big)), expected) << number;
    }
}

// The generated name after `name`: the three letters count up, Z carrying.
std::string NextName(std::string name) {
    for (size_t i = name.size(); i-- > name.size() - 3; name[i] = 'A')
        if (name[i] < 'Z') return ++name[i], name;
    return name;
}
TEST(EnumerationTest, OwnEnumerationsTakeGeneratedNames) {
    const std::string own = "Start Enum\n1 = \"x\"\nEnd Enum";
    const std::string named = "Start Enum\nName = \"mine\"\nType = Integer\n2 = \"y\"\nEnd Enum";
    auto parsed = ParseText(Source("", Attr(1, own, "1") + Attr(2, named, "\"y\"") + Attr(3, own)));
    EXPECT_EQ(parsed.status, 0);
    std::vector<std::string> names;
    for (const Attribute *a = parsed.state().componentList->groups->attributes; a; a = a->next) {
        EXPECT_TRUE(a->type == kTypeOwnEnumeration && a->typeGiven == 1 && a->namedEnumeration == nullptr);
        names.push_back(Ascii(a->ownEnumeration->name));
    }
    // One counter serves the whole process, so other tests may have used names before; a named one advances it.
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names, (std::vector<std::string>{"lenum" + names[0].substr(5), "mine", NextName(NextName(names[0]))}));
    EXPECT_EQ(parsed.state().componentList->enumerations, nullptr);

    // The counter carries on into the next parse.
    ASSERT_EQ(ParseBytes(parsed.ctx(), Source("", Attr(1, own))), 0);
    EXPECT_EQ(Ascii(parsed.state().componentList->groups->attributes->ownEnumeration->name),
              NextName(names[2]));
}

TEST(EnumerationTest, OwnEnumerationIsNotFoundByName) {
    auto parsed = ParseText(Source("", Attr(1, "Start Enum\nName = \"own\"\n1 = \"x\"\nEnd Enum") +
                                              Attr(2, "\"own\"") + "@"));
    EXPECT_EQ(parsed.status, 1039);
    EXPECT_EQ(parsed.diagnostics,
              "DMI0234  (File 0, ID 19, 0,  <End Attribute>) Cannot locate enumeration by name.\n");
}

TEST(EnumerationTest, RefusedOwnEnumerationsAlterNothing) {
    const std::string twoElements = "Start Enum\n5 = \"five\"\n6 = \"six\"\nEnd Enum";
    // A top-level group's attribute cannot have one; an attribute can have one.
    auto parsed = ParseText(
        "Start Group\nName = \"t\"\nClass = \"tk\"\nID = 9\n" + Attr(1, twoElements) + "End Group\n" +
        Source(Enum("e", "1 = \"one\"\n"),
                  Attr(1, "Start Enum\n2 = \"two\"\nEnd Enum\nType = " + twoElements)));
    EXPECT_EQ(parsed.status, 1019);
    EXPECT_EQ(parsed.diagnostics, "");
    EXPECT_EQ(parsed.ctx().diagnostics.statusHistory[2], 1017);
    const Attribute *top = parsed.state().topGroupList->attributes;
    EXPECT_TRUE(top->ownEnumeration == nullptr && top->typeGiven == 0);
    const Component *c = parsed.state().componentList;
    const Enumeration *own = c->groups->attributes->ownEnumeration;
    EXPECT_TRUE(c->enumerations->next == nullptr && c->enumerations->elements->next == nullptr &&
                own->elements->next == nullptr);
    EXPECT_EQ(Ascii(c->enumerations->elements->text) + Ascii(own->elements->text), "onetwo");
}

}  // namespace
}  // namespace mifkit

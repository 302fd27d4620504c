// Enumerations at component level and inside an attribute, and the element
// lookups that value conversion runs over them.
#include <cstring>
#include <string>
#include <vector>

#include "database/builders.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::MifCase, test::MifTest;

AttributeView AttributeAt(const Database &db, size_t index) {
    auto at = db.component().groups().front().attributes().begin();
    while (index-- > 0) ++at;
    return *at;
}

const MifCase kEnumerations[] = {
    // Equal names and values all stay; the first defined is found.
    {"NamedEnumerationsAndTheirElements", R"(Start Component Name = "c"
Start Enum Name = "e" 1 = "one" End Enum
Start Enum Name = "e" 1 = "uno" End Enum
Start Enum Name = "all" 0xFFFFFFFF = "all" 2 = "two" End Enum
Start Enum Name = "twins" 7 = "first" 7 = "second" End Enum
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = "e" Value = 1 End Attribute
Start Attribute Name = "a" ID = 2 Type = "all" Value = -1 End Attribute
Start Attribute Name = "a" ID = 3 Type = "twins" Value = 7 End Attribute
Start Attribute Name = "a" ID = 4 Type = "twins" Value = "second" End Attribute
End Group
End Component
)", 0, {}, [](const Database &db) {
         std::vector<std::string> found;
         for (AttributeView a : db.component().groups().front().attributes())
             found.push_back(a.enumeration().name().utf8() + ":" + a.value().element().text().utf8() + "=" +
                             std::to_string(a.value().element().value()));
         EXPECT_EQ(found, (std::vector<std::string>{"e:one=1", "all:all=-1", "twins:first=7", "twins:second=7"}));
         EXPECT_EQ(AttributeAt(db, 0).enumeration().record(), db.component().enumerations().front().record());
         size_t elements = 0;
         for (EnumerationView e : db.component().enumerations()) elements += e.elements().size();
         EXPECT_EQ(elements, 6u);
     }},
    {"OwnEnumerationIsNotFoundByName", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Start Enum Name = "own" 1 = "x" End Enum End Attribute
Start Attribute Name = "a" ID = 2 Type = "own"
End Attribute
@)", 1039, {"DMI0234  (File 0, ID 5, 0,  <End Attribute>) Cannot locate enumeration by name."}},
};
INSTANTIATE_TEST_SUITE_P(Enumerations, MifTest, ::testing::ValuesIn(kEnumerations), test::CaseName);

// A counted string in an aligned buffer: `bytes` with its NUL(s).
struct Counted {
    explicit Counted(const std::string &bytes) : words(2 + bytes.size() / 4 + 2, 0) {
        words[0] = static_cast<uint32_t>(bytes.size());
        std::memcpy(&words[1], bytes.data(), bytes.size());
    }
    const CountedString *get() const { return reinterpret_cast<const CountedString *>(words.data()); }
    std::vector<uint32_t> words;
};

// From 16 elements on the lookups use an index: same answers, first defined wins.
TEST(EnumerationTest, LargeEnumerationLookups) {
    std::string elements;
    for (int i = 0; i < 20; ++i) elements += std::to_string(i) + " = \"v" + std::to_string(i) + "\" ";
    auto parsed = test::ParseText("Start Component Name = \"c\" Start Enum Name = \"big\" " + elements + R"(
3 = "dup3" 100 = "v5" 0xFFFFFFFF = "neg" End Enum
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = "big" Value = "v5" End Attribute
End Group
End Component
)");
    ASSERT_EQ(parsed.status, 0);
    const Component *c = parsed.state().componentList;
    EXPECT_EQ(c->groups->attributes->value.element->value, 5);
    const Enumeration *big = c->enumerations;
    auto text = [](const EnumElement *e) { return e ? test::Ascii(e->text) : std::string("none"); };
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
    const Database db = Database::FromBuffer(R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Start Enum 1 = "x" End Enum Value = 1 End Attribute
Start Attribute Name = "a" ID = 2 Type = Start Enum Name = "mine" Type = Integer 2 = "y" End Enum Value = "y"
End Attribute
Start Attribute Name = "a" ID = 3 Type = Start Enum 1 = "x" End Enum End Attribute
End Group
End Component
)");
    EXPECT_EQ(db.status(), 0);
    std::vector<std::string> names;
    for (AttributeView a : db.component().groups().front().attributes()) {
        EXPECT_TRUE(a.type() == kTypeOwnEnumeration && a.record()->namedEnumeration == nullptr);
        names.push_back(a.enumeration().name().utf8());
    }
    // One counter serves the whole process, so other tests may have used names before; a named one advances it.
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names, (std::vector<std::string>{"lenum" + names[0].substr(5), "mine", NextName(NextName(names[0]))}));
    EXPECT_TRUE(db.component().enumerations().empty());

    // The counter carries on into the next parse.
    const Database next = Database::FromBuffer(R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Start Enum 1 = "x" End Enum End Attribute
End Group
End Component
)");
    EXPECT_EQ(AttributeAt(next, 0).enumeration().name().utf8(), NextName(names[2]));
}

// A top-level group's attribute cannot have one, and an attribute can have one.
TEST(EnumerationTest, RefusedOwnEnumerationsAlterNothing) {
    auto parsed = test::ParseText(R"(Start Group Name = "t" Class = "tk" ID = 9
Start Attribute Name = "a" ID = 1 Type = Start Enum 5 = "five" 6 = "six" End Enum End Attribute
End Group
Start Component Name = "c"
Start Enum Name = "e" 1 = "one" End Enum
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1
Type = Start Enum 2 = "two" End Enum
Type = Start Enum 5 = "five" 6 = "six" End Enum
End Attribute
End Group
End Component
)");
    EXPECT_EQ(parsed.status, 1019);
    EXPECT_EQ(parsed.diagnostics, "");
    EXPECT_EQ(parsed.ctx().diagnostics.statusHistory[2], 1017);
    const Attribute *top = parsed.state().topGroupList->attributes;
    EXPECT_TRUE(top->ownEnumeration == nullptr && top->typeGiven == 0);
    const Component *c = parsed.state().componentList;
    const Enumeration *own = c->groups->attributes->ownEnumeration;
    EXPECT_TRUE(c->enumerations->next == nullptr && c->enumerations->elements->next == nullptr &&
                own->elements->next == nullptr);
    EXPECT_EQ(test::Ascii(c->enumerations->elements->text) + test::Ascii(own->elements->text), "onetwo");
}

}  // namespace
}  // namespace mifkit

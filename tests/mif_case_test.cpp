// The one test of every table of MIF cases (test::MifCase): the status, the
// whole diagnostic lines, then the case's own look at the database.
#include "tests/test_support.h"

namespace mifkit::test {
namespace {

TEST_P(MifTest, ParsesAsWritten) {
    const MifCase &c = GetParam();
    const Database db = Database::FromBuffer(c.mif);
    EXPECT_EQ(db.status(), c.status);
    EXPECT_EQ(Lines(db), c.lines);
    if (c.check) c.check(db);
}

}  // namespace
}  // namespace mifkit::test

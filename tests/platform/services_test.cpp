#include <gtest/gtest.h>

#include <sstream>

#include "fake_picture.h"
#include "platform/message_box_headless.h"
#include "platform/screen_pointer.h"

namespace morvane {
namespace {

TEST(HeadlessMessageBoxTest, PrintsEachBoxOnOneLine) {
    std::ostringstream out;
    HeadlessMessageBox box(out);
    box.Show({"Error", "Unexpected error in procedure: StartApp\r\nError #53: File not found",
              MsgBoxButtons::kOkOnly, MsgBoxIcon::kCritical});
    box.Show({"Caf\xe9", "two\nlines", MsgBoxButtons::kOkOnly, MsgBoxIcon::kNone});
    EXPECT_EQ(out.str(),
              "msgbox: Error | Unexpected error in procedure: StartApp\\r\\nError #53: File not "
              "found\n"
              "msgbox: Caf\xc3\xa9 | two\\nlines\n");
}

// Game texts can hold any byte: control characters are escaped so that none ends the line or
// reaches the terminal, and a high byte is the Windows-1252 letter it stands for.
TEST(HeadlessMessageBoxTest, EscapesControlCharactersFromGameData) {
    std::ostringstream out;
    HeadlessMessageBox box(out);
    box.Show({std::string("a\0b", 3), "tab\there\x1B[2J\x7F\x01\xFF end", MsgBoxButtons::kOkOnly,
              MsgBoxIcon::kNone});
    EXPECT_EQ(out.str(), "msgbox: a\\x00b | tab\\there\\x1B[2J\\x7F\\x01\xC3\xBF end\n");
}

// Asks a box with no title or text.
MsgBoxResult Ask(HeadlessMessageBox& box, MsgBoxButtons buttons,
                 MsgBoxIcon icon = MsgBoxIcon::kNone) {
    return box.Show({"", "", buttons, icon});
}

TEST(HeadlessMessageBoxTest, UnansweredBoxesTakeTheirDefaultAnswer) {
    std::ostringstream out;
    HeadlessMessageBox box(out);
    EXPECT_EQ(Ask(box, MsgBoxButtons::kOkOnly), MsgBoxResult::kOk);
    EXPECT_EQ(Ask(box, MsgBoxButtons::kYesNo, MsgBoxIcon::kQuestion), MsgBoxResult::kNo);
    EXPECT_EQ(Ask(box, MsgBoxButtons::kRetryCancel), MsgBoxResult::kCancel);
    EXPECT_EQ(Ask(box, MsgBoxButtons::kOkCancel), MsgBoxResult::kCancel);
    EXPECT_EQ(Ask(box, MsgBoxButtons::kAbortRetryIgnore), MsgBoxResult::kAbort);
}

TEST(HeadlessMessageBoxTest, QueuedAnswersGoToTheBoxesThatOfferThem) {
    std::ostringstream out;
    HeadlessMessageBox box(out);
    box.QueueAnswer(MsgBoxResult::kYes);
    box.QueueAnswer(MsgBoxResult::kCancel);
    // An OK box does not offer Yes: the answer waits for the question it was meant for.
    EXPECT_EQ(Ask(box, MsgBoxButtons::kOkOnly), MsgBoxResult::kOk);
    EXPECT_EQ(box.QueuedAnswers(), 2u);
    EXPECT_EQ(Ask(box, MsgBoxButtons::kYesNo), MsgBoxResult::kYes);
    EXPECT_EQ(Ask(box, MsgBoxButtons::kOkCancel), MsgBoxResult::kCancel);
    EXPECT_EQ(box.QueuedAnswers(), 0u);
}

TEST(ScreenPointerTest, ShowingThePictureItAlreadyShowsChangesNothing) {
    ScreenPointer pointer;
    const PicturePtr normal = testing::MakeBlankPicture("normal.cur");
    const PicturePtr same_file_other_picture = testing::MakeBlankPicture("normal.cur");
    EXPECT_TRUE(pointer.ShowPicture(normal));
    EXPECT_EQ(pointer.Mode(), ScreenPointer::kCustom);
    const auto assignments = pointer.Assignments();
    EXPECT_FALSE(pointer.ShowPicture(normal));
    EXPECT_EQ(pointer.Assignments(), assignments);
    EXPECT_TRUE(pointer.ShowPicture(same_file_other_picture)) << "identity, not the file name";
    EXPECT_TRUE(pointer.Shows(same_file_other_picture));
    pointer.AssignPicture(same_file_other_picture);
    EXPECT_EQ(pointer.Assignments(), assignments + 2);
}

}  // namespace
}  // namespace morvane

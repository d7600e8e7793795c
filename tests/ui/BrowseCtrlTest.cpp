#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QtTest/QTest>

#include "CBrowseCtrl.h"
#include "MessageCatalog.h"

namespace vane::desk {
namespace {

class BrowseControl : public ::testing::Test {
protected:
    BrowseControl() {
        catalog::set_current_language(catalog::Language::English);
        control.SetStyle(0x4A);
        control.setGeometry(0, 0, 400, 24);
        control.SetFileChooser([this](CBrowseCtrl& self) -> std::optional<QStringList> {
            ++opened;
            filterSeen = self.Filter();
            return answer;
        });
        control.show();
    }
    QPoint ButtonCentre() const { return control.ButtonArea().center(); }

    CBrowseCtrl control{nullptr, "Browse"};
    std::optional<QStringList> answer;
    int opened = 0;
    std::string filterSeen;
};

TEST_F(BrowseControl, ChoosingSeveralFilesShowsAndKeepsTheFirst) {
    answer = QStringList{"/d/one.doc", "/d/two.doc", "/d/three.doc"};
    QSignalSpy browsed(&control, &CBrowseCtrl::browsed);
    EXPECT_EQ(control.Browse(), CBrowseCtrl::kBrowseChosen);
    EXPECT_EQ(control.TextField()->text(), "/d/one.doc");
    EXPECT_EQ(control.TextField()->selectedText(), "/d/one.doc");
    EXPECT_EQ(control.GetPath(), "/d/one.doc");
    EXPECT_EQ(control.Path().Chosen().size(), 3u);
    ASSERT_EQ(browsed.count(), 1);
    EXPECT_EQ(browsed[0][0].toInt(), CBrowseCtrl::kBrowseChosen);
}

TEST_F(BrowseControl, CancelChangesNothing) {
    control.SetPath("/d/kept.doc");
    answer.reset();
    EXPECT_EQ(control.Browse(), CBrowseCtrl::kBrowseCancelled);
    EXPECT_EQ(control.GetPath(), "/d/kept.doc");
    EXPECT_EQ(control.TextField()->text(), "/d/kept.doc");
}

TEST_F(BrowseControl, CurrentPathFollowsTypingButNotACaseOnlyChange) {
    answer = QStringList{"/d/Report.doc"};
    control.Browse();
    QLineEdit* field = control.TextField();
    field->selectAll();
    QTest::keyClicks(field, "/D/REPORT.DOC");
    EXPECT_EQ(control.GetPath(), "/d/Report.doc");
    field->selectAll();
    QTest::keyClicks(field, "/d/other.doc");
    EXPECT_EQ(control.GetPath(), "/d/other.doc");
}

TEST_F(BrowseControl, ReadOnlyFieldIgnoresTyping) {
    control.SetStyle(0x0A);
    control.SetPath("/d/a.doc");
    EXPECT_TRUE(control.TextField()->isReadOnly());
    QTest::keyClicks(control.TextField(), "xyz");
    EXPECT_EQ(control.GetPath(), "/d/a.doc");
}

TEST_F(BrowseControl, EnterSpaceAndClickOpenTheDialogAndNotify) {
    QSignalSpy clicked(&control, &CBrowseCtrl::clicked);
    QTest::keyClick(control.TextField(), Qt::Key_Return);
    EXPECT_EQ(opened, 1);
    QTest::keyPress(&control, Qt::Key_Space);
    EXPECT_TRUE(control.IsPressed());
    EXPECT_EQ(opened, 1);
    QTest::keyRelease(&control, Qt::Key_Space);
    EXPECT_FALSE(control.IsPressed());
    EXPECT_EQ(opened, 2);
    QTest::mousePress(&control, Qt::LeftButton, {}, ButtonCentre());
    EXPECT_TRUE(control.IsPressed());
    QTest::mouseRelease(&control, Qt::LeftButton, {}, ButtonCentre());
    EXPECT_EQ(opened, 3);
    // A click on the text field is not a click on the button.
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(opened, 3);
    EXPECT_TRUE(clicked.wait(200) || clicked.count() > 0);
    EXPECT_EQ(clicked.count(), 3);
}

TEST_F(BrowseControl, ReleasingOutsideTheButtonDoesNotBrowse) {
    QTest::mousePress(&control, Qt::LeftButton, {}, ButtonCentre());
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(opened, 0);
    EXPECT_FALSE(control.IsPressed());
}

TEST_F(BrowseControl, HoverFollowsTheMouse) {
    QTest::mouseMove(&control, ButtonCentre());
    EXPECT_TRUE(control.IsHovered());
    EXPECT_FALSE(control.IsPressed());
    QTest::mouseMove(&control, QPoint(5, 5));
    EXPECT_FALSE(control.IsHovered());
    QTest::mouseMove(&control, ButtonCentre());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&control, &leave);
    EXPECT_FALSE(control.IsHovered());
}

TEST_F(BrowseControl, BrowseWhileBrowsingReturnsCancelled) {
    int inner = 0;
    control.SetFileChooser([&](CBrowseCtrl& self) -> std::optional<QStringList> {
        inner = self.Browse();
        return QStringList{"/d/x.doc"};
    });
    EXPECT_EQ(control.Browse(), CBrowseCtrl::kBrowseChosen);
    EXPECT_EQ(inner, CBrowseCtrl::kBrowseCancelled);
}

TEST_F(BrowseControl, FolderModeUsesTheFolderChooser) {
    int folders = 0;
    control.SetFolderChooser([&](CBrowseCtrl&) -> std::optional<QStringList> {
        ++folders;
        return QStringList{"/d/folder"};
    });
    control.SetStyle(0x4A | CBrowseCtrl::kFolderMode);
    EXPECT_EQ(control.Browse(), CBrowseCtrl::kBrowseChosen);
    EXPECT_EQ(folders, 1);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(control.GetPath(), "/d/folder");
}

TEST_F(BrowseControl, ButtonLayout) {
    struct Case {
        unsigned style;
        bool left;
    };
    for (const Case& c : {Case{0x4A, false}, Case{0x4B, true}}) {
        SCOPED_TRACE(c.style);
        control.SetStyle(c.style);
        const QRect button = control.ButtonArea();
        EXPECT_EQ(button.width(), 16 + 11);
        EXPECT_EQ(button.height(), 24);
        EXPECT_EQ(button.left(), c.left ? 0 : 400 - 27);
        EXPECT_EQ(control.FaceArea().size(), QSize(16, 16));
        EXPECT_EQ(control.TextField()->geometry().width(), 400 - 27);
        EXPECT_EQ(control.TextField()->geometry().left(), c.left ? 27 : 0);
    }
}

TEST_F(BrowseControl, DisabledControlGreysTheGlyph) {
    const QImage enabled = control.grab().toImage();
    control.setEnabled(false);
    EXPECT_FALSE(control.TextField()->isEnabled());
    const QImage disabled = control.grab().toImage();
    const QRect face = control.FaceArea();
    auto count = [&](const QImage& image, QColor colour) {
        int n = 0;
        for (int y = face.top(); y <= face.bottom(); ++y)
            for (int x = face.left(); x <= face.right(); ++x) n += image.pixelColor(x, y) == colour;
        return n;
    };
    EXPECT_GT(count(enabled, QColor(255, 255, 0)), 0);
    EXPECT_GT(count(enabled, QColor(128, 128, 0)), 0);
    EXPECT_EQ(count(disabled, QColor(255, 255, 0)), 0);
    EXPECT_EQ(count(disabled, QColor(0, 0, 0)), 0);
    EXPECT_GT(count(disabled, QColor(192, 192, 192)), 0);
}

TEST_F(BrowseControl, TooltipText) {
    EXPECT_EQ(control.TooltipText(), "Browse");
    catalog::set_current_language(catalog::Language::French);
    CBrowseCtrl french(nullptr, "Parcourir");
    catalog::set_current_language(catalog::Language::English);
    EXPECT_EQ(french.TooltipText(), "Parcourir");
}

}  // namespace
}  // namespace vane::desk

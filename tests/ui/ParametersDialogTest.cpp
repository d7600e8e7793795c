#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "CloadDlg.h"
#include "CparametersDlg.h"
#include "CsaveDlg.h"
#include "CvanedeskDlg.h"
#include "DialogTexts.h"
#include "MessageCatalog.h"
#include "QtTestSupport.h"
#include "RecordingCore.h"
#include "TempDir.h"

namespace vane::desk {
namespace {

template <typename T>
T* control(QWidget* dialog, int id) {
    return dialog->findChild<T*>(QString::number(id));
}

void click(QWidget* dialog, int id) {
    QTest::mouseClick(control<QPushButton>(dialog, id), Qt::LeftButton);
}

void set_text(QWidget* dialog, int id, const QString& text) {
    auto* edit = control<QLineEdit>(dialog, id);
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

class ParametersDialog : public ::testing::Test {
protected:
    ParametersDialog() {
        catalog::set_current_language(catalog::Language::English);
        settings.SetPath(dir.file("settings.ini"));
        settings.Load();
        auto alpha = std::make_unique<CSetting>("alpha");
        alpha->IndexWidth = 111;
        alpha->HeadingLevel = 2;
        alpha->UseHome = false;
        settings.Store(std::move(alpha));
    }
    // Opens Settings from the main dialog and runs steps on the open Parameters dialog.
    void RunSettings(std::function<void(CparametersDlg*)> steps) {
        CvanedeskDlg main(session, core.Functions(), prompter, opener);
        main.show();
        bool reached = false;
        test::when_modal<CparametersDlg>([&](CparametersDlg* dialog) {
            reached = true;
            steps(dialog);
            if (dialog->isVisible()) dialog->reject();  // a step that failed to close it
        });
        QTest::mouseClick(main.findChild<QPushButton*>("1006"), Qt::LeftButton);
        EXPECT_TRUE(reached);
    }
    const CSetting& Stored() { return *settings.Find(CSettings::kCurrentSetting); }

    vane::test::TempDir dir;
    CSettings settings;
    ParameterSession session{settings};
    test::RecordingCore core;
    test::RecordingPrompter prompter;
    test::RecordingOpener opener;
};

TEST_F(ParametersDialog, ShowsTheStoredCurrentParameters) {
    settings.Find(CSettings::kCurrentSetting)->SkipHeadings = 4;
    settings.Find(CSettings::kCurrentSetting)->InternalLinks = false;
    RunSettings([](CparametersDlg* dialog) {
        EXPECT_EQ(control<QComboBox>(dialog, 1007)->currentText(), "6");
        EXPECT_EQ(control<QComboBox>(dialog, 1008)->currentText(), "5");
        EXPECT_EQ(control<QLineEdit>(dialog, 1012)->text(), "200");
        EXPECT_EQ(control<QLineEdit>(dialog, 1011)->text(), "4");
        EXPECT_FALSE(control<QCheckBox>(dialog, 1010)->isChecked());
        EXPECT_TRUE(control<QCheckBox>(dialog, 1013)->isChecked());
        EXPECT_TRUE(control<QCheckBox>(dialog, 1009)->isChecked());
        EXPECT_EQ(dialog->windowTitle(), "Folivane - Parameters");
        dialog->reject();
    });
}

TEST_F(ParametersDialog, ValidationKeepsTheDialogOpen) {
    RunSettings([&](CparametersDlg* dialog) {
        set_text(dialog, 1012, "1500");
        click(dialog, 1);
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0], "Enter an integer between 0 and 1000.");
        EXPECT_EQ(dialog->focusWidget(), control<QWidget>(dialog, 1012));

        set_text(dialog, 1012, "640");
        set_text(dialog, 1011, "");
        click(dialog, 1);
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_EQ(prompter.shown.size(), 2u);
        EXPECT_EQ(prompter.shown[1], "Enter an integer.");
        EXPECT_EQ(dialog->focusWidget(), control<QWidget>(dialog, 1011));

        set_text(dialog, 1011, "3");
        click(dialog, 1);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(Stored().IndexWidth, 640);
    EXPECT_EQ(Stored().SkipHeadings, 3);
    CSettings reread;
    reread.SetPath(settings.Path());
    reread.Load();
    EXPECT_EQ(reread.Find(CSettings::kCurrentSetting)->IndexWidth, 640);
}

TEST_F(ParametersDialog, CancelKeepsTheStoredProfileButNotTheTypedRangeError) {
    RunSettings([&](CparametersDlg* dialog) {
        set_text(dialog, 1012, "1500");
        click(dialog, 1);
        click(dialog, 2);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(Stored().IndexWidth, 200);
    // The refused number reached the current parameters before it was refused.
    EXPECT_EQ(session.Current().IndexWidth, 1500);
}

TEST_F(ParametersDialog, SaveAsksBeforeOverwriting) {
    prompter.answers = {false, true};
    RunSettings([&](CparametersDlg* dialog) {
        set_text(dialog, 1012, "777");
        for (int attempt = 0; attempt < 2; ++attempt) {
            test::when_modal<CsaveDlg>([](CsaveDlg* save) {
                EXPECT_EQ(save->windowTitle(), "Folivane - Save parameters");
                set_text(save, CsaveDlg::kIdName, "alpha");
                click(save, 1);
            });
            click(dialog, CparametersDlg::kIdSave);
            EXPECT_EQ(settings.Find("alpha")->IndexWidth, attempt == 0 ? 111 : 777);
        }
        ASSERT_EQ(prompter.shown.size(), 2u);
        EXPECT_EQ(prompter.shown[0], "This profile already exists.\nDo you want to overwrite it ?");
        // Saving again under the name now current does not ask.
        test::when_modal<CsaveDlg>([](CsaveDlg* save) {
            EXPECT_EQ(save->findChild<QLineEdit*>("1016")->text(), "alpha");
            click(save, 1);
        });
        click(dialog, CparametersDlg::kIdSave);
        EXPECT_EQ(prompter.shown.size(), 2u);
        dialog->reject();
    });
}

TEST_F(ParametersDialog, LoadFillsTheFieldsAndCancelKeepsThemForTheNextRun) {
    RunSettings([&](CparametersDlg* dialog) {
        test::when_modal<CloadDlg>([](CloadDlg* load) {
            auto* list = load->findChild<QComboBox*>("1018");
            EXPECT_EQ(list->count(), 1);
            EXPECT_EQ(list->currentText(), "alpha");
            click(load, 1);
        });
        click(dialog, CparametersDlg::kIdLoad);
        EXPECT_EQ(control<QLineEdit>(dialog, 1012)->text(), "111");
        EXPECT_EQ(control<QComboBox>(dialog, 1007)->currentText(), "3");
        EXPECT_FALSE(control<QCheckBox>(dialog, 1009)->isChecked());
        click(dialog, 2);
    });
    EXPECT_EQ(session.Current().IndexWidth, 111);
    EXPECT_EQ(session.CurrentProfileName(), "alpha");
    EXPECT_EQ(Stored().IndexWidth, 200);
}

TEST_F(ParametersDialog, LoadCancelledChangesNothing) {
    RunSettings([&](CparametersDlg* dialog) {
        test::when_modal<CloadDlg>([](CloadDlg* load) { click(load, 2); });
        click(dialog, CparametersDlg::kIdLoad);
        EXPECT_EQ(control<QLineEdit>(dialog, 1012)->text(), "200");
        click(dialog, 2);
    });
    EXPECT_EQ(session.CurrentProfileName(), "");
}

TEST_F(ParametersDialog, OptionBoxesShowAndStoreTheOptions) {
    settings.Find(CSettings::kCurrentSetting)->AllHeadingsPdf = true;
    RunSettings([&](CparametersDlg* dialog) {
        EXPECT_FALSE(control<QCheckBox>(dialog, 1020)->isChecked());
        EXPECT_TRUE(control<QCheckBox>(dialog, 1021)->isChecked());
        EXPECT_FALSE(control<QCheckBox>(dialog, 1022)->isChecked());
        QTest::mouseClick(control<QCheckBox>(dialog, 1020), Qt::LeftButton);
        QTest::mouseClick(control<QCheckBox>(dialog, 1021), Qt::LeftButton);
        QTest::mouseClick(control<QCheckBox>(dialog, 1022), Qt::LeftButton);
        click(dialog, 1);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_TRUE(Stored().AllHeadingsHtml);
    EXPECT_FALSE(Stored().AllHeadingsPdf);
    EXPECT_TRUE(Stored().CrossReferences);
}

// Each new label shows its whole text before its check box, and the box lies
// inside its group, in English and in French.
TEST_F(ParametersDialog, OptionLabelsFitBesideTheirBoxesInBothLanguages) {
    for (const catalog::Language language : {catalog::Language::English, catalog::Language::French}) {
        SCOPED_TRACE(language == catalog::Language::French ? "French" : "English");
        catalog::set_current_language(language);
        const catalog::DialogTexts& texts = catalog::dialog_texts(language);
        CparametersDlg dialog(nullptr, session, prompter);
        dialog.show();
        const struct {
            int id;
            const char* label;
            const char* group;
        } boxes[] = {{1020, texts.allHeadingsHtml, texts.htmlParameters},
                     {1021, texts.allHeadingsPdf, texts.pdfParameters},
                     {1022, texts.crossReferences, texts.pdfParameters}};
        for (const auto& box : boxes) {
            SCOPED_TRACE(box.label);
            QLabel* label = nullptr;
            for (QLabel* l : dialog.findChildren<QLabel*>())
                if (l->text() == QString::fromUtf8(box.label)) label = l;
            QGroupBox* group = nullptr;
            for (QGroupBox* g : dialog.findChildren<QGroupBox*>())
                if (g->title() == QString::fromUtf8(box.group)) group = g;
            auto* check = control<QCheckBox>(&dialog, box.id);
            ASSERT_NE(label, nullptr);
            ASSERT_NE(group, nullptr);
            ASSERT_NE(check, nullptr);
            EXPECT_GE(label->width(), label->sizeHint().width());
            EXPECT_LT(label->geometry().right(), check->x());
            EXPECT_TRUE(group->geometry().contains(check->geometry())) << check->x() << "," << check->y();
            EXPECT_TRUE(group->geometry().contains(label->geometry()));
            // Nothing else on the row lies between the label and its box.
            for (QWidget* other : dialog.findChildren<QWidget*>()) {
                if (other == label || other == check || other == group || other->parent() != &dialog) continue;
                const QRect r = other->geometry();
                const bool sameRow = r.top() < label->geometry().bottom() && r.bottom() > label->geometry().top();
                if (sameRow && r.left() > label->x()) {
                    EXPECT_GE(r.left(), label->geometry().right()) << r.left();
                }
            }
        }
    }
    catalog::set_current_language(catalog::Language::English);
}

TEST(LoadDialog, ListsSortedWithoutRegardToCase) {
    CloadDlg dialog(nullptr, {"Beta", "alpha", "Gamma"});
    auto* list = dialog.findChild<QComboBox*>("1018");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(0), "alpha");
    EXPECT_EQ(list->itemText(1), "Beta");
    EXPECT_EQ(list->itemText(2), "Gamma");
    dialog.accept();
    EXPECT_EQ(dialog.Chosen(), "alpha");

    CloadDlg empty(nullptr, {});
    empty.accept();
    EXPECT_EQ(empty.Chosen(), "");
}

}  // namespace
}  // namespace vane::desk

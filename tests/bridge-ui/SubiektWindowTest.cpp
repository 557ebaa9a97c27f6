#include "ui/qt/SubiektWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "../bridge/Fakes.h"
#include "platform/Cp1250.h"
#include "support/TempDir.h"
#include "ui/qt/QtText.h"

// The system's font library keeps a cache it never frees; that is not ours to report.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace {

class SubiektWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "bridge_ui_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }

    testing_support::TempDir current, program;
    fakes::FakeRunner runner;
    bridge::CasPrtcLibrary library{fakes::CasFunctions()};
    std::unique_ptr<SubiektWindow> window;

    void Open() {
        window = std::make_unique<SubiektWindow>(runner, library,
                                                 bridge::BridgeFolders{current.Cp1250(), program.Cp1250()});
        window->Logic().ConnectionSleep = [](std::uint32_t) {};
        window->show();
        // The start-up timer may close the window before it is ever exposed.
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !window->isVisible() || window->windowHandle()->isExposed(); }));
        QTest::qWait(20);
    }
    template <class W> W* Find(const char* name) { return window->findChild<W*>(name); }

    // Answers the next message box with the button and returns what it said (through text).
    void AnswerNextBox(QMessageBox::StandardButton button, QString* text) {
        auto* poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, [poll, button, text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            poll->stop();
            poll->deleteLater();
            if (text) *text = box->text();
            box->button(button)->click();
        });
        poll->start(5);
    }
};

TEST_F(SubiektWindowTest, ShowsTheSettingsWithTheirLabelsAndDefaults) {
    Open();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Konfiguracja wagi CAS"));
    struct Row {
        const char* Control;
        const char* Label;
        const char* Text;
    };
    const Row rows[] = {{"ComboBox1", "MODEL...", "CL5000"}, {"Edit5", "Nazwa", "Waga []"},
                        {"Edit1", "IP", "10.10.1.233"},      {"Edit2", "Port", "20304"},
                        {"Edit3", "TimeOut", "5000"},        {"Edit4", "Retry", "3"}};
    int lastY = -1;
    for (const Row& r : rows) {
        QWidget* control = Find<QWidget>(r.Control);
        ASSERT_NE(control, nullptr) << r.Control;
        EXPECT_GT(control->y(), lastY) << r.Control; // top to bottom
        lastY = control->y();
        QLineEdit* edit = qobject_cast<QLineEdit*>(control);
        if (!edit) edit = qobject_cast<QComboBox*>(control)->lineEdit();
        EXPECT_EQ(edit->text(), QString::fromUtf8(r.Text));
        bool labelled = false;
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->text() == QString::fromUtf8(r.Label) &&
                std::abs(label->y() - control->y()) < control->height())
                labelled = true;
        EXPECT_TRUE(labelled) << r.Label;
    }
    auto* model = Find<QComboBox>("ComboBox1");
    QStringList entries;
    for (int i = 0; i < model->count(); ++i) entries << model->itemText(i);
    EXPECT_EQ(entries, (QStringList{"CL5000", "LP 1.6", "POSSCALE", "CL5000JR"}));
    EXPECT_TRUE(model->isEditable());

    const char* buttons[][2] = {{"Button1", "OK"},
                                {"Button3", "Test Połączenia"},
                                {"Button4", "Zapisz Ustawienia"},
                                {"Button2", "Anuluj"}};
    int lastX = -1;
    for (auto& b : buttons) {
        auto* button = Find<QPushButton>(b[0]);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(b[1]));
        EXPECT_GT(button->x(), lastX); // left to right
        lastX = button->x();
    }

    // The screenshot the README shows.
    QString path = qEnvironmentVariable("PONDERO_SCREENSHOT");
    if (path.isEmpty()) path = QString::fromStdString((current.Path() / "pondero-config.png").string());
    EXPECT_TRUE(window->grab().save(path));
}

TEST_F(SubiektWindowTest, TypingAndPickingAreChangesAndPickingSelects) {
    Open();
    EXPECT_TRUE(window->Logic().SettingsUnchanged());
    QTest::keyClicks(Find<QLineEdit>("Edit2"), "1");
    EXPECT_FALSE(window->Logic().SettingsUnchanged());
    EXPECT_EQ(window->FieldText(bridge::SettingsField::Port), "203041");

    auto* model = Find<QComboBox>("ComboBox1");
    EXPECT_EQ(window->Logic().SelectedModelEntry(), 0); // by its text, nothing picked yet
    model->setCurrentIndex(2);
    emit model->activated(2);
    EXPECT_EQ(window->PickedModelEntry(), 2);
    EXPECT_EQ(window->FieldText(bridge::SettingsField::Model), "POSSCALE");
    QTest::keyClicks(model->lineEdit(), "X");
    EXPECT_EQ(window->PickedModelEntry(), -1);
}

TEST_F(SubiektWindowTest, TestButtonTurnsThePanelBlueUntilTheNextChange) {
    Open();
    auto* panel = Find<QWidget>("Panel");
    QColor face = panel->palette().color(QPalette::Window);
    QString said;
    AnswerNextBox(QMessageBox::Ok, &said);
    QTest::mouseClick(Find<QPushButton>("Button3"), Qt::LeftButton);
    EXPECT_EQ(said, QString::fromUtf8("jest połączenie z waga"));
    EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_TRUE(window->Logic().ConnectionTested());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the hourglass is gone again
    QTest::keyClicks(Find<QLineEdit>("Edit5"), "x");
    EXPECT_EQ(panel->palette().color(QPalette::Window), face);
}

TEST_F(SubiektWindowTest, BadPortShowsItsErrorMessage) {
    Open();
    Find<QLineEdit>("Edit2")->setText("abc");
    QString said;
    AnswerNextBox(QMessageBox::Ok, &said);
    QTest::mouseClick(Find<QPushButton>("Button3"), Qt::LeftButton);
    EXPECT_EQ(said, QString::fromUtf8("Nieprawidłowy numer portu IP"));
    EXPECT_FALSE(window->Logic().ConnectionTested());
}

TEST_F(SubiektWindowTest, OkAnsweredNoClosesWithoutReport) {
    Open();
    QString asked;
    AnswerNextBox(QMessageBox::No, &asked);
    QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_EQ(asked, QString::fromUtf8("Nie sprawdzono połączenia. Czy chcesz zapisać te parametry?"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(std::filesystem::exists(current.Path() / "Raport.xml"));
}

TEST_F(SubiektWindowTest, SaveAndCancelWriteTheirFiles) {
    Open();
    Find<QLineEdit>("Edit5")->setText(QString::fromUtf8("Waga żółta"));
    QTest::mouseClick(Find<QPushButton>("Button4"), Qt::LeftButton);
    EXPECT_NE(current.Read("PROG_KOM.CFG").find(std::string("WAGA=\"Waga żółta\""_pl)), std::string::npos);
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(Find<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_NE(current.Read("Raport.xml").find("Przerwano dzialanie programu"), std::string::npos);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(SubiektWindowTest, FailuresAreShownByTheGeneralErrorHandler) {
    Open();
    // The current folder vanishes: saving the settings fails.
    std::filesystem::remove_all(current.Path());
    QString said;
    AnswerNextBox(QMessageBox::Ok, &said);
    QTest::mouseClick(Find<QPushButton>("Button4"), Qt::LeftButton);
    EXPECT_TRUE(said.contains("PROG_KOM.CFG")) << said.toStdString();
    EXPECT_TRUE(window->isVisible());
    std::filesystem::create_directory(current.Path());
}

TEST_F(SubiektWindowTest, ConfigurationRequestFillsTheFieldsAndWaits) {
    current.Write(
        "Prog_kom.cfg",
        "<CAS-POLSKA WAGA=\"w\" MODEL=\"lp 1.6\" IP=\"1.2.3.4\" PORT=\"1\" TIMEOUT=\"2\" RETRY=\"3\"/>");
    current.Write("ster_uni.xml", "<DANE OPERACJA=\"Konfiguracja\"/>");
    Open();
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->currentText(), "LP 1.6");
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), "1.2.3.4");
    EXPECT_EQ(Find<QLineEdit>("Edit5")->text(), "W");
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(std::filesystem::exists(current.Path() / "Raport.xml"));
}

TEST_F(SubiektWindowTest, SendRequestClosesTheWindow) {
    current.Write("Prog_kom.cfg", "<CAS-POLSKA IP=\"1.2.3.4\"/>");
    current.Write("ster_uni.xml", std::string("<DANE OPERACJA=\"PRZESYłANIETOWARóW\"></DANE>"_pl));
    Open();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(runner.Calls.size(), 1u);
    EXPECT_NE(current.Read("Raport.xml").find("<Typ>OK</Typ>"), std::string::npos);
}

} // namespace

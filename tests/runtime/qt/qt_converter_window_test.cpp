// The converter window on the Qt back end: its keyboard, its read-out boxes and unit list, the
// geometry and stacking built from its layout table, and what its controls refuse to do.
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QScreen>

#include "app/frm_main.h"
#include "runtime/qt/qt_program.h"
#include "runtime/run_time_error.h"

namespace quantaro::testing {
namespace {

struct KeyPress {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
void PrintTo(const KeyPress& row, std::ostream* out) {
    *out << row.name;
}

class ConvertKey : public QtProgram, public ::testing::WithParamInterface<KeyPress> {};

TEST_P(ConvertKey, ConvertsTheTypedValueAndPaintsTheEnteredUnitsBoxRedWithYellowText) {
    enterOneTerrabyte();
    press(GetParam().key, GetParam().modifiers);
    waitUntil([] { return !text("txtBits").isEmpty(); });

    EXPECT_EQ(text("txtGigabytes"), "1024");
    EXPECT_EQ(text("txtBits"), "8796093022208");
    const QPalette highlighted = widget("txtTerrabytes")->palette();
    EXPECT_EQ(highlighted.color(QPalette::Base), QColor(Qt::red));
    EXPECT_EQ(highlighted.color(QPalette::Text), QColor(Qt::yellow));
    EXPECT_EQ(widget("txtBytes")->palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Button));
    const QImage drawn = widget("txtTerrabytes")->grab().toImage();
    EXPECT_EQ(QColor(drawn.pixel(drawn.width() - 8, drawn.height() / 2)), QColor(Qt::red));
}

INSTANTIATE_TEST_SUITE_P(EnterAndAltO, ConvertKey,
                         ::testing::Values(KeyPress{"Enter", Qt::Key_Return, Qt::NoModifier},
                                           KeyPress{"AltO", Qt::Key_O, Qt::AltModifier}),
                         [](const auto& info) { return info.param.name; });

TEST_F(QtProgram, EnterClicksTheFocusedButtonRatherThanTheDefaultOne) {
    tabTo("cmdAbout");
    press(Qt::Key_Return);
    EXPECT_NE(window("frmAbout"), nullptr);
    EXPECT_TRUE(text("txtBits").isEmpty());
}

TEST_F(QtProgram, EnterRightAfterStartAsksForAUnitInAModalBoxThenFocusesTheUnitList) {
    press(Qt::Key_Return);
    ASSERT_EQ(messageBoxes.shown.size(), 1u);
    const auto& box = messageBoxes.shown.front();
    EXPECT_EQ(box.title, "Quantaro");
    EXPECT_EQ(box.text, "Select a Unit");
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(box.buttonCount, 1);
    EXPECT_EQ(box.modality, Qt::ApplicationModal);
    EXPECT_EQ(window("frmMain")->focusWidget()->objectName(), "cboUnit");
}

TEST_F(QtProgram, EscapeInTheConverterWindowChangesNothing) {
    enterOneTerrabyte();
    press(Qt::Key_Return);
    const QString bits = text("txtBits");
    press(Qt::Key_Escape);
    ASSERT_NE(window("frmMain"), nullptr);
    EXPECT_TRUE(isLoaded<frmMain>());
    EXPECT_EQ(text("txtBits"), bits);
    EXPECT_EQ(focused(), "cboUnit");
    EXPECT_EQ(backend.quitRequests, 0);
}

TEST_F(QtProgram, TabVisitsTheConverterControlsInTabIndexOrderAndComesBackToConvert) {
    const QStringList order = {"cmdConvert",   "cmdAbout",     "cmdExit",       "txtUnit",
                               "cboUnit",      "txtBits",      "txtBytes",      "txtKillobytes",
                               "txtMegabytes", "txtGigabytes", "txtTerrabytes", "cmdConvert"};
    QStringList visited = {focused()};
    for (qsizetype i = 1; i < order.size(); ++i) {
        press(Qt::Key_Tab);
        visited.push_back(focused());
    }
    EXPECT_EQ(visited, order);
}

class ReadOutBox : public QtProgram, public ::testing::WithParamInterface<const char*> {};

TEST_P(ReadOutBox, TakesTheFocusAndCopiesItsTextButTypingChangesNothing) {
    enterOneTerrabyte();
    press(Qt::Key_Return);
    const QString box = GetParam();
    const QString before = text(box);
    QTest::mouseClick(widget(box), Qt::LeftButton);
    EXPECT_EQ(focused(), box);
    type("7x");
    press(Qt::Key_Backspace);
    press(Qt::Key_Delete);
    press(Qt::Key_Home);
    press(Qt::Key_Delete);
    EXPECT_EQ(text(box), before);
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), before);
}

INSTANTIATE_TEST_SUITE_P(EachOfTheSix, ReadOutBox,
                         ::testing::Values("txtBits", "txtBytes", "txtKillobytes", "txtMegabytes",
                                           "txtGigabytes", "txtTerrabytes"));

TEST_F(QtProgram, UnitListHoldsExactlyTheSixUnitsInOrderWithNoneChosen) {
    const auto* list = widget<QComboBox>("cboUnit");
    EXPECT_FALSE(list->isEditable());
    ASSERT_EQ(list->count(), static_cast<int>(std::size(frmMain::units)));
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_EQ(list->itemText(i).toStdString(), frmMain::units[i].text);
    }
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(application->form<frmMain>().control("cboUnit").text(), "");
}

struct ListKeys {
    const char* name;
    const char* typed;
    std::vector<Qt::Key> keys;
    const char* shows;
};
void PrintTo(const ListKeys& row, std::ostream* out) {
    *out << row.name;
}

class UnitListKeys : public QtProgram, public ::testing::WithParamInterface<ListKeys> {};

TEST_P(UnitListKeys, OnlyMoveTheChoiceAmongTheEntriesAndNeverMakeTextOfTheirOwn) {
    tabTo("cboUnit");
    type(GetParam().typed);
    for (const Qt::Key key : GetParam().keys) {
        press(key);
    }
    EXPECT_EQ(application->form<frmMain>().control("cboUnit").text(), GetParam().shows);
}

INSTANTIATE_TEST_SUITE_P(
    TypedOrPressed, UnitListKeys,
    ::testing::Values(ListKeys{"LettersOfNoEntry", "Qz9", {}, ""},
                      ListKeys{"FirstLetterOfAnEntry", "t", {}, "Terrabytes (TB)"},
                      ListKeys{"DownTwice", "", {Qt::Key_Down, Qt::Key_Down}, "Bytes"},
                      ListKeys{"End", "", {Qt::Key_End}, "Terrabytes (TB)"}),
    [](const auto& info) { return info.param.name; });

TEST_F(QtProgram, UnitListTextCanBeSetOnlyToOneOfItsEntriesOrToNothing) {
    Control& list = application->form<frmMain>().control("cboUnit");
    list.setText("Gigabytes (GB)");
    EXPECT_EQ(widget<QComboBox>("cboUnit")->currentIndex(), 4);
    try {
        list.setText("Kilobytes");
        ADD_FAILURE() << "a text that is no entry was taken";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.number(), RunTimeError::invalidArgument().number());
    }
    EXPECT_EQ(list.text(), "Gigabytes (GB)");
    list.setText("");
    EXPECT_EQ(widget<QComboBox>("cboUnit")->currentIndex(), -1);
}

struct Misuse {
    const char* name;
    const char* control;
    std::function<void(Control&)> use;
};
void PrintTo(const Misuse& row, std::ostream* out) {
    *out << row.name;
}

class MissingProperty : public QtProgram, public ::testing::WithParamInterface<Misuse> {};

TEST_P(MissingProperty, RaisesTheDoesNotSupportError) {
    Control& control = application->form<frmMain>().control(GetParam().control);
    try {
        GetParam().use(control);
        ADD_FAILURE() << GetParam().control << " accepted it";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.number(), RunTimeError::notSupported().number());
    }
}

INSTANTIATE_TEST_SUITE_P(
    OfEachKind, MissingProperty,
    ::testing::Values(Misuse{"TextOfALabel", "Label1", [](Control& c) { c.setText("1"); }},
                      Misuse{"TextOfAButton", "cmdExit", [](Control& c) { (void)c.text(); }},
                      Misuse{"CaptionOfATextBox", "txtBits", [](Control& c) { c.setCaption("x"); }},
                      Misuse{"ItemOfATextBox", "txtUnit", [](Control& c) { c.addItem("x"); }},
                      Misuse{"FocusOfAFrame", "Frame2", [](Control& c) { c.setFocus(); }}),
    [](const auto& info) { return info.param.name; });

TEST_F(QtProgram, EveryConverterControlStandsAtItsWindowPixelPlaceAt96Dpi) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
    struct Place {
        const char* name;
        QRect rect;
    };
    // Window-relative, so the frames' children are placed through their frames.
    const Place places[] = {
        {"Frame1", {8, 8, 409, 89}},           {"cboUnit", {16, 32, 385, 21}},
        {"txtUnit", {16, 64, 385, 25}},        {"Frame2", {8, 112, 409, 217}},
        {"Label1", {16, 136, 25, 17}},         {"Label2", {16, 168, 33, 17}},
        {"Label3", {16, 200, 57, 17}},         {"Label4", {16, 232, 57, 17}},
        {"Label5", {16, 264, 57, 17}},         {"Label6", {16, 296, 57, 17}},
        {"txtBits", {96, 136, 305, 19}},       {"txtBytes", {96, 168, 305, 19}},
        {"txtKillobytes", {96, 200, 305, 19}}, {"txtMegabytes", {96, 232, 305, 19}},
        {"txtGigabytes", {96, 264, 305, 19}},  {"txtTerrabytes", {96, 296, 305, 19}},
        {"cmdConvert", {8, 344, 121, 33}},     {"cmdAbout", {152, 344, 121, 33}},
        {"cmdExit", {296, 344, 121, 33}},
    };
    QDialog* main = window("frmMain");
    for (const Place& place : places) {
        const QWidget* control = widget(place.name);
        ASSERT_NE(control, nullptr) << place.name;
        const QRect drawn(control->mapTo(main, QPoint(0, 0)), control->size());
        if (qobject_cast<const QLabel*>(control) != nullptr) {
            // A label may widen to its longest word, but never into the box beside it.
            EXPECT_EQ(drawn.topLeft(), place.rect.topLeft()) << place.name;
            EXPECT_EQ(drawn.height(), place.rect.height()) << place.name;
            EXPECT_GE(drawn.width(), place.rect.width()) << place.name;
            EXPECT_LT(drawn.right(), 96) << place.name;
        } else {
            EXPECT_EQ(drawn, place.rect) << place.name;
        }
    }
}

TEST_F(QtProgram, LaterRowsOfTheTableLieAboveEarlierOnes) {
    QStringList topmostFirst;
    for (const QObject* child : window("frmMain")->children()) {
        if (child->isWidgetType() && !child->objectName().isEmpty()) {
            topmostFirst.push_front(child->objectName());
        }
    }
    const QStringList expected = {"txtTerrabytes", "txtGigabytes", "txtMegabytes", "txtKillobytes",
                                  "txtBytes",      "cmdExit",      "cmdAbout",     "cmdConvert",
                                  "Frame2",        "Frame1"};
    EXPECT_EQ(topmostFirst, expected);
}

}  // namespace
}  // namespace quantaro::testing

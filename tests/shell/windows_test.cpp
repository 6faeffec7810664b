// Every window of the program as the user sees it: each caption fits its
// control, and each menu is drawn as the system draws it (a mark only on a
// checked item, "-" a bare separator line).

#include "platform/Controls.h"
#include "platform/Menu.h"
#include "support/ProgramFixture.h"
#include "support/ProgramWindows.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace {

class WindowsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startUp();
    }
};

// The room a caption's text has in its control, and the room the text takes,
// in pixels, as the control's own style lays it out: a label wraps at
// word breaks, the other captions stay on one line; a check box or an option
// button loses the room of its indicator.
struct Fit {
    QString text;
    QSize need, room;
    bool fits() const { return need.width() <= room.width() && need.height() <= room.height(); }
};

// `text`: the caption to measure; null: the one the control shows.
std::optional<Fit> captionFit(plat::Control& c, const QString* text = nullptr)
{
    QWidget* w = c.widget();
    auto shown = [&](const QString& t) { return text ? *text : t; };
    const QFontMetrics fm(w->font());
    auto oneLine = [&](const QString& text, const QRect& room) {
        return Fit{text, fm.size(Qt::TextShowMnemonic, text), room.size()};
    };
    if (auto* l = qobject_cast<QLabel*>(w)) {
        const QRect room = l->contentsRect();
        const QString t = shown(l->text());
        const QRect need = fm.boundingRect(room, int(l->alignment()) | Qt::TextWordWrap, t);
        return Fit{t, need.size(), room.size()};
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.rect = b->rect();
        opt.text = shown(b->text());
        const QStyle::SubElement contents = qobject_cast<QPushButton*>(b) ? QStyle::SE_PushButtonContents
                                            : qobject_cast<QCheckBox*>(b) ? QStyle::SE_CheckBoxContents
                                                                           : QStyle::SE_RadioButtonContents;
        return oneLine(opt.text, b->style()->subElementRect(contents, &opt, b));
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        // The title sits on the top line, inside the frame's corners.
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.rect = g->rect();
        opt.text = shown(g->title());
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        const QRect room(label.topLeft(), QPoint(g->rect().right() - label.left(), label.bottom()));
        return oneLine(opt.text, room);
    }
    return std::nullopt;
}

TEST_F(WindowsTest, EveryCaptionOfEveryWindowFitsItsControl)
{
    int checked = 0;
    for (const ProgramWindow& pw : programWindows()) {
        plat::Form& form = pw.load(*prog);
        forEachControl(form, [&](plat::Control& c) {
            const std::optional<Fit> fit = captionFit(c);
            if (!fit || fit->text.trimmed().isEmpty()) return;
            ++checked;
            EXPECT_TRUE(fit->fits()) << pw.name << "." << c.objectName().toStdString() << " \""
                                     << fit->text.toStdString() << "\" needs " << fit->need.width() << "x"
                                     << fit->need.height() << " px, has " << fit->room.width() << "x"
                                     << fit->room.height();
        });
    }
    EXPECT_GT(checked, 100);   // the walk reached the controls
}

plat::Control* findControl(plat::Form& form, const QString& objectName)
{
    plat::Control* found = nullptr;
    forEachControl(form, [&](plat::Control& c) {
        if (c.objectName() == objectName) found = &c;
    });
    return found;
}

// Captions the program puts on a control while it runs, beyond those of the
// load: each must fit as well.
TEST_F(WindowsTest, CaptionsSetWhileRunningFitTheirControls)
{
    const struct {
        const char* window;
        const char* control;
        const char* caption;
    } captions[] = {
        {"ParamLogicielVB", "Check2", "Display with coefficients"},
        {"ParamLogicielVB", "Check2", "Normal view"},
        {"ParamLogicielVB", "Check3", "Activated   "},
        {"ParamLogicielVB", "Check3", "Deactivated"},
        {"ParamLogicielVB", "Check5", "OFF    "},
        {"ParamLogicielVB", "Check6", "Deactivated"},
        {"ParamLogicielVB", "Check8", "120\u00b0C Air Cooling   "},
        {"ParamLogicielVB", "Check8", " 70\u00b0C Water Cooling"},
        {"ParamLogicielVB", "Check9", "LFC Invisible"},
        {"ParamLogicielVB", "Check10", "VIS Invisible"},
        {"ParamLogicielVB", "Check11", "IR Invisible"},
        {"ParamLogicielVB", "Check12", "RH Invisible"},
        {"ParamLogicielVB", "Check13", "Li Invisible"},
        {"ParamLogicielVB", "Check14", "VCC Invisible"},
        {"ParamLogicielVB", "Check16", "SHT Invisible"},
        {"ParamLogicielVB", "Check18", "Activated   "},
        {"ParamLogicielVB", "Check18", "Deactivated"},
        {"Log", "ActiveDesactiveRS232", "Connect/Disconnect"},
        {"Log", "CommHalOperator", "QTH-Start"},
        {"Log", "CommHalOperator", "QTH-Stop"},
    };
    for (const auto& c : captions) {
        const auto window = std::find_if(programWindows().begin(), programWindows().end(),
                                         [&](const ProgramWindow& w) { return std::string(w.name) == c.window; });
        ASSERT_NE(window, programWindows().end()) << c.window;
        plat::Control* control = findControl(window->load(*prog), c.control);
        ASSERT_NE(control, nullptr) << c.window << "." << c.control;
        const QString text = QString::fromUtf8(c.caption);
        const std::optional<Fit> fit = captionFit(*control, &text);
        ASSERT_TRUE(fit) << c.control;
        EXPECT_TRUE(fit->fits()) << c.window << "." << c.control << " \"" << c.caption << "\" needs "
                                 << fit->need.width() << "x" << fit->need.height() << " px, has "
                                 << fit->room.width() << "x" << fit->room.height();
    }
}

// The drawn state of one item: what the style paints comes from its action.
void expectDrawnAsTheSystem(const plat::Menu& m, const std::string& where)
{
    const QAction* a = m.action();
    SCOPED_TRACE(where + "." + m.objectName().toStdString());
    if (m.isSeparator()) {
        EXPECT_TRUE(a->isSeparator());
        EXPECT_TRUE(a->text().isEmpty()) << a->text().toStdString();
        EXPECT_FALSE(a->isCheckable());
        return;
    }
    EXPECT_FALSE(a->isSeparator());
    EXPECT_EQ(a->text(), m.caption());
    const bool mark = m.checked() && m.items().empty();
    EXPECT_EQ(a->isCheckable(), mark);   // an unchecked item has no empty box
    EXPECT_EQ(a->isChecked(), mark);
}

void walkMenu(plat::Menu& m, const std::string& where)
{
    expectDrawnAsTheSystem(m, where);
    if (!m.isSeparator() && m.items().empty()) {
        // Both states, then back to the program's.
        const bool was = m.checked();
        m.setChecked(!was);
        expectDrawnAsTheSystem(m, where);
        m.setChecked(was);
        expectDrawnAsTheSystem(m, where);
    }
    for (plat::Menu* child : m.items()) walkMenu(*child, where);
}

TEST_F(WindowsTest, EveryMenuShowsAMarkOnlyWhenCheckedAndDashesAsSeparators)
{
    int menus = 0;
    for (const ProgramWindow& pw : programWindows()) {
        plat::Form& form = pw.load(*prog);
        for (plat::Menu* m : form.menus()) {
            ++menus;
            walkMenu(*m, pw.name);
        }
    }
    EXPECT_GT(menus, 3);
}

} // namespace

namespace {

// Every window and the drop-downs of its menu bar, rendered offscreen and
// saved under test-output/windows/ for a person to look at.
TEST_F(WindowsTest, EveryWindowAndItsMenusRenderToPictures)
{
    const QString folder = QStringLiteral(TEST_OUTPUT_DIR "/windows");
    QDir().mkpath(folder);
    for (const ProgramWindow& pw : programWindows()) {
        plat::Form& form = pw.load(*prog);
        const QImage window = form.window()->grab().toImage();
        ASSERT_FALSE(window.isNull()) << pw.name;
        EXPECT_TRUE(window.save(QStringLiteral("%1/%2.png").arg(folder, pw.name)));
        for (plat::Menu* m : form.menus()) {
            if (m->items().empty()) continue;
            QMenu* drop = m->submenu();
            drop->ensurePolished();
            drop->resize(drop->sizeHint());
            const QImage menu = drop->grab().toImage();
            EXPECT_TRUE(menu.save(QStringLiteral("%1/%2_%3.png").arg(folder, pw.name, m->objectName())));
        }
    }
}

} // namespace

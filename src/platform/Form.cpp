#include "platform/Form.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/CanvasView.h"
#include "platform/Fonts.h"
#include "platform/Menu.h"
#include "platform/Runtime.h"
#include "platform/TimeSource.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace plat {

namespace {
// Decorations a window's outer size includes, in twips.
constexpr int BorderTwips = 4 * TwipsPerPixel;
constexpr int TitleTwips = 26 * TwipsPerPixel;
constexpr int MenuTwips = 20 * TwipsPerPixel;
} // namespace

class Form::Window : public QWidget {
public:
    explicit Window(Form& f) : form_(f) {}

protected:
    // Enter and Escape that no control of the window took (a focused button
    // takes Enter itself) press the default and the Cancel button, when the
    // user could press it: shown and enabled.
    void keyPressEvent(QKeyEvent* e) override
    {
        CommandButton* b = nullptr;
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
            b = form_.defaultButton();
        else if (e->key() == Qt::Key_Escape)
            b = form_.cancelButton();
        if (!b && e->key() == Qt::Key_Escape && form_.escapeCloses()) {
            e->accept();
            form_.runtime().dispatch([this] { form_.unload(FormControlMenu); });
            return;
        }
        if (!b) {
            QWidget::keyPressEvent(e);
            return;
        }
        e->accept();
        if (b->widget()->isVisible() && b->widget()->isEnabled()) b->click();
    }

    void closeEvent(QCloseEvent* e) override
    {
        // The close box asks the window to unload; its handlers decide.
        e->ignore();
        form_.runtime().dispatch([this] { form_.unload(FormControlMenu); });
    }

private:
    Form& form_;
};

// The client area: paints the window's drawing under its child controls.
class Form::Surface : public QWidget {
public:
    Surface(QWidget* parent, const Canvas& canvas)
        : QWidget(parent), view_(canvas, this, [this](const QRect& pixels) { update(pixels); })
    {
    }

    CanvasView& view() { return view_; }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPainter p(this);
        view_.paint(p, QPoint(), e->rect());
    }

private:
    CanvasView view_;
};

Form::Form(Runtime& rt, QString name) : rt_(rt), name_(std::move(name))
{
    window_ = new Window(*this);
    window_->setObjectName(name_);
    window_->setAccessibleDescription(name_);
    window_->setFont(defaultProgramFont());   // the menu bar's and the controls' default
    auto* layout = new QVBoxLayout(window_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* surface = new Surface(window_, canvas_);
    surface_ = surface;
    canvas_.onChanged = [surface](const QRect& pixels) { surface->view().changed(pixels); };
    surface_->setObjectName(name_ + "_client");
    layout->addWidget(surface_);
    setBackColor(backColor_);
    applyGeometry();
}

Form::~Form()
{
    *alive_ = false;
    stopTimers();
    // Controls and menus are members of the subclass and are gone by now;
    // the window takes what Qt still owns with it.
    delete window_;
}

QWidget* Form::surface() const { return surface_; }
QWidget* Form::window() const { return window_; }

void Form::setCaption(const QString& c)
{
    caption_ = c;
    window_->setWindowTitle(c);
}

void Form::move(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    applyGeometry();
}

int Form::left() const
{
    // The twips the program set, as long as the window stands on their pixel.
    const int x = window_->x();
    return x == twipsToPx(left_) ? left_ : pxToTwips(x);
}

int Form::top() const
{
    const int y = window_->y();
    return y == twipsToPx(top_) ? top_ : pxToTwips(y);
}

void Form::keepOnScreen()
{
    const QRect frame(window_->x(), window_->y(), std::max(1, twipsToPx(width_)), std::max(1, twipsToPx(height_)));
    const QRect titleBar(frame.x(), frame.y(), frame.width(), twipsToPx(TitleTwips));
    // Enough of the title bar to take hold of it with the mouse.
    const int minWidth = std::min(titleBar.width(), 100);
    const int minHeight = std::min(titleBar.height(), 10);
    QScreen* nearest = nullptr;
    int nearestDistance = 0;
    for (QScreen* s : QGuiApplication::screens()) {
        const QRect seen = titleBar & s->availableGeometry();
        if (seen.width() >= minWidth && seen.height() >= minHeight) return;
        const QPoint d = s->availableGeometry().center() - frame.center();
        if (!nearest || d.manhattanLength() < nearestDistance) {
            nearest = s;
            nearestDistance = d.manhattanLength();
        }
    }
    if (!nearest) return;
    const QRect area = nearest->availableGeometry();
    const int x = std::clamp(frame.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width()));
    const int y = std::clamp(frame.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
    move(pxToTwips(x), pxToTwips(y), width_, height_);
}

void Form::setClientSize(int width, int height)
{
    const bool hasMenu = menuBar_ && !menus_.empty();
    move(left(), top(), width + 2 * BorderTwips, height + TitleTwips + BorderTwips + (hasMenu ? MenuTwips : 0));
}

int Form::scaleWidth() const { return std::max(0, width_ - 2 * BorderTwips); }

int Form::scaleHeight() const
{
    bool hasMenu = menuBar_ && !menus_.empty();
    return std::max(0, height_ - TitleTwips - BorderTwips - (hasMenu ? MenuTwips : 0));
}

void Form::applyGeometry()
{
    window_->move(twipsToPx(left_), twipsToPx(top_));
    bool hasMenu = menuBar_ && !menus_.empty();
    window_->resize(twipsToPx(scaleWidth()), twipsToPx(scaleHeight() + (hasMenu ? MenuTwips : 0)));
    if (canvasUsed_) canvas_.resize(scaleWidth(), scaleHeight());
}

Canvas& Form::canvas()
{
    if (!canvasUsed_) {
        canvasUsed_ = true;
        canvas_.resize(scaleWidth(), scaleHeight());
    }
    return canvas_;
}

void Form::setMousePointer(int shape)
{
    mousePointer_ = shape;
    if (shape == SizeWE)
        window_->setCursor(Qt::SizeHorCursor);
    else
        window_->unsetCursor();
}

void Form::setBackColor(Color c)
{
    backColor_ = c;
    QPalette pal = surface_->palette();
    pal.setColor(QPalette::Window, toQColor(c));
    surface_->setPalette(pal);
    surface_->setAutoFillBackground(true);
    canvas_.setBackColor(c);   // cheap while the canvas has no image yet
}

void Form::setTopmost(bool on)
{
    topmost_ = on;
    bool wasVisible = window_->isVisible();
    window_->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (wasVisible) window_->show();
}

void Form::setControlBox(bool on)
{
    bool wasVisible = window_->isVisible();
    window_->setWindowFlag(Qt::CustomizeWindowHint, !on);
    window_->setWindowFlag(Qt::WindowTitleHint, true);
    window_->setWindowFlag(Qt::WindowCloseButtonHint, on);
    window_->setWindowFlag(Qt::WindowMinMaxButtonsHint, on);
    if (wasVisible) window_->show();
}

QMenuBar* Form::menuBar()
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(window_);
        menuBar_->setNativeMenuBar(false);
        // As high as the outer size counts it, so the client area is exact.
        menuBar_->setFixedHeight(twipsToPx(MenuTwips));
        static_cast<QVBoxLayout*>(window_->layout())->setMenuBar(menuBar_);
        applyGeometry();
    }
    return menuBar_;
}

void Form::load()
{
    restack();
    applyGeometry();
    // A handler like any other: what it unloads is not freed under it.
    rt_.time.dispatch([this] { Form_Load(); });
}

void Form::show(bool modal)
{
    const bool wasVisible = visible_;
    visible_ = true;
    if (!wasVisible && onVisibleChange) onVisibleChange(true);
    if (!modal) {
        window_->show();
        window_->raise();
        return;
    }
    modal_ = true;
    window_->setWindowModality(Qt::ApplicationModal);
    window_->show();
    std::shared_ptr<bool> alive = alive_;
    rt_.dialogs.modalShown(*this);
    // Timers, serial events and other windows' code go on while it waits.
    rt_.time.waitUntil([&] { return !*alive || !visible_; });
    if (*alive) {
        modal_ = false;
        window_->setWindowModality(Qt::NonModal);
    }
}

void Form::hide()
{
    const bool wasVisible = visible_;
    visible_ = false;
    window_->hide();
    if (wasVisible && onVisibleChange) onVisibleChange(false);
}

void Form::stopTimers()
{
    for (Timer* t : timers_) t->setEnabled(false);
}

bool Form::unload(int unloadMode)
{
    if (unloading_) return true;
    std::shared_ptr<bool> alive = alive_;
    int cancel = 0;
    Form_QueryUnload(cancel, unloadMode);
    if (!*alive) return true;
    if (cancel) return false;
    Form_Unload(cancel);
    if (!*alive) return true;
    if (cancel) return false;
    unloading_ = true;
    stopTimers();
    for (auto& f : atUnload_) f();
    hide();
    *alive_ = false;
    if (detach) detach();
    return true;
}

void Form::popupMenu(Menu& menu)
{
    Menu* chosen = nullptr;
    {
        // The pop-up runs an event loop of its own. A real one reports the
        // chosen item as well as triggering it: the item's command runs once,
        // here, once the pop-up has closed.
        TimeSource::Nested wait(rt_.time);
        Menu::PopupOpen open(menu);
        chosen = rt_.dialogs.popupMenu(menu);
    }
    // A window unloaded while its pop-up was open runs no command of it.
    if (chosen && !chosen->form().isUnloaded()) chosen->click();
}

int Form::screenWidth()
{
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? pxToTwips(s->geometry().width()) : 15360;
}

int Form::screenHeight()
{
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? pxToTwips(s->geometry().height()) : 11520;
}

FormTimer::FormTimer(Form& form, QString name, int intervalMs, bool enabled)
    : Timer(form.runtime().time, std::move(name), intervalMs, enabled), form_(form)
{
    form_.adoptTimer(this);
}

FormTimer::~FormTimer() { form_.releaseTimer(this); }

} // namespace plat

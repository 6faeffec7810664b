#pragma once
// A window of the program. Its controls are members of the subclass; it is
// loaded (controls made, Form_Load run) by its FormSlot on first touch and
// unloaded on request: QueryUnload and Unload may cancel, then its timers
// stop, its ports close and it is gone for the program (the next touch loads
// a fresh one); the instance itself is freed only once control is back in
// the event loop (TimeSource::deleteWhenIdle), as Qt's deleteLater does.
//
// Geometry is in twips and Width/Height are outer sizes (border, title bar
// and menu bar included).

#include "platform/Canvas.h"
#include "platform/Color.h"
#include "platform/Control.h"
#include "platform/Timer.h"

#include <QString>
#include <memory>
#include <vector>

class QMenuBar;

namespace plat {

class Menu;
class CommandButton;

// How a window is being closed, as QueryUnload receives it.
enum UnloadMode { FormControlMenu = 0, FormCode = 1, AppWindows = 2, TaskManager = 3, FormOwner = 5 };

class Form : public Container {
public:
    Form(Runtime& rt, QString name);
    ~Form() override;

    const QString& name() const { return name_; }
    Runtime& runtime() const override { return rt_; }
    QWidget* surface() const override;
    QWidget* window() const;

    // --- handlers a window may define
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int& cancel, int unloadMode) {}
    virtual void Form_Unload(int& cancel) {}

    // --- properties
    QString caption() const { return caption_; }
    void setCaption(const QString& c);
    // Where the window stands, read back from the real window: the user or
    // the window system may have moved it since the program placed it.
    int left() const;
    int top() const;
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v) { move(v, top(), width_, height_); }
    void setTop(int v) { move(left(), v, width_, height_); }
    void setWidth(int v) { move(left(), top(), v, height_); }
    void setHeight(int v) { move(left(), top(), width_, v); }
    void move(int left, int top, int width, int height);
    // Moves the window onto the screen nearest to it when its title bar lies
    // on no screen (a place saved on another display, or a number out of range).
    void keepOnScreen();
    // Sizes the window so that its client area is width x height twips: the
    // outer size adds the border, the title bar and, once the window has its
    // menus, the menu bar. The left and top edges stay.
    void setClientSize(int width, int height);
    int scaleWidth() const;    // client area, twips
    int scaleHeight() const;
    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    bool visible() const { return visible_; }
    bool topmost() const { return topmost_; }
    // Keeps the window above others; a window manager may ignore it.
    void setTopmost(bool on);
    // The window's mouse pointer: it keeps its shape over every control of
    // the window until code sets it again.
    enum MousePointer { DefaultPointer = 0, SizeWE = 9 };
    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int shape);
    // Without a control box the title bar offers no close, minimise or
    // maximise button; a window manager may ignore it.
    void setControlBox(bool on);

    // The window's own persistent drawing, in twips on the client area,
    // behind every control. Its back colour follows the window's; setting
    // the window's back colour erases it.
    // The image is made on first use, so a window that never draws pays
    // nothing for it.
    Canvas& canvas();
    const Canvas& canvas() const { return canvas_; }

    // Called when show() or hide() changes whether the window is shown.
    std::function<void(bool shown)> onVisibleChange;

    // --- lifetime
    void show(bool modal = false);
    void hide();
    // Closes the window as code does (mode FormCode). False when a handler
    // cancelled.
    bool unload(int unloadMode = FormCode);
    // True once the window unloaded: its instance only waits to be freed.
    bool isUnloaded() const { return !*alive_; }
    bool isModal() const { return modal_; }
    // Opens `menu`'s items as a pop-up; the chosen command runs once, after
    // the pop-up closed and before this returns.
    void popupMenu(Menu& menu);

    // The buttons that Enter and Escape press (null: none). Set through
    // CommandButton::setDefault and setCancel.
    CommandButton* defaultButton() const { return defaultButton_; }
    CommandButton* cancelButton() const { return cancelButton_; }
    void setDefaultButton(CommandButton* b) { defaultButton_ = b; }
    void setCancelButton(CommandButton* b) { cancelButton_ = b; }
    // A window without a Cancel button may let Escape close it as its close
    // box does (its QueryUnload and Unload handlers decide).
    bool escapeCloses() const { return escapeCloses_; }
    void setEscapeCloses(bool on) { escapeCloses_ = on; }

    // Screen size in twips, for centring.
    static int screenWidth();
    static int screenHeight();

    // --- used by the platform
    QMenuBar* menuBar();
    void adoptMenu(Menu* m) { menus_.push_back(m); }
    const std::vector<Menu*>& menus() const { return menus_; }
    void adoptTimer(Timer* t) { timers_.push_back(t); }
    void releaseTimer(Timer* t) { std::erase(timers_, t); }
    const std::vector<Timer*>& timers() const { return timers_; }
    // Run when the window unloads, after its timers stopped (ports close).
    void atUnload(std::function<void()> f) { atUnload_.push_back(std::move(f)); }
    void stopTimers();
    // Set by the FormSlot: hands the instance over for destruction.
    std::function<void()> detach;
    // Finishes loading: stacking order, then Form_Load.
    void load();
    // Whether this instance is still the loaded window, readable after the
    // instance is gone: true while it is loaded; false from the moment it
    // unloads or is destroyed, and never true again (a reload makes a new
    // instance with a new token). Once false, the instance is freed as soon as
    // control is back in the event loop, or already was. Code that waits
    // (waitUntil, DoEvents, a modal window, a message box) takes the token
    // before the wait and, when it reads false after it, returns without
    // touching the window, its controls or its members.
    std::shared_ptr<bool> aliveToken() const { return alive_; }

private:
    void applyGeometry();
    class Window;
    class Surface;
    Runtime& rt_;
    QString name_;
    Window* window_;
    QWidget* surface_;
    QMenuBar* menuBar_ = nullptr;
    QString caption_;
    int left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    Color backColor_ = ButtonFace;
    Canvas canvas_;
    bool canvasUsed_ = false;
    bool visible_ = false;
    bool topmost_ = false;
    int mousePointer_ = DefaultPointer;
    bool modal_ = false;
    bool unloading_ = false;
    CommandButton* defaultButton_ = nullptr;
    CommandButton* cancelButton_ = nullptr;
    bool escapeCloses_ = false;
    std::vector<Menu*> menus_;
    std::vector<Timer*> timers_;
    std::vector<std::function<void()>> atUnload_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// A timer that belongs to a window: it stops when the window unloads.
class FormTimer : public Timer {
public:
    FormTimer(Form& form, QString name, int intervalMs = 0, bool enabled = false);
    ~FormTimer();

private:
    Form& form_;
};

} // namespace plat

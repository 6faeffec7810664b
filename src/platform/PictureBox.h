#pragma once
// A picture box: a control that holds other controls and a persistent image
// (its Canvas) that the program draws on and can save as a BMP file.

#include "platform/Canvas.h"
#include "platform/Control.h"

namespace plat {

class PictureBox : public Control, public Container {
public:
    PictureBox(Container& parent, QString name, int index = -1);

    Runtime& runtime() const override { return Control::runtime(); }
    QWidget* surface() const override { return widget(); }

    void move(int left, int top, int width, int height) override;
    // Setting the back colour erases the drawing, as the canvas does.
    void setBackColor(Color c);
    // The font is also the one the picture prints with.
    void setFontName(const QString& n);
    void setFontSize(double pt);
    void setFontBold(bool b);

    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }

    // 0 none, 1 fixed single.
    void setBorderStyle(int s);

    std::function<void()> onClick;
    std::function<void()> onDblClick;

private:
    Canvas canvas_;
};

} // namespace plat

#include "parameters/OKTransfert.h"
#include "shell/LinkStatus.h"
#include "shell/Program.h"

namespace orv {

namespace {
constexpr plat::Color NoticeGreen = plat::rgb(0xC0, 0xFF, 0xC0);
// Client area 4905 x 1230 twips under a fixed single border and a title bar.
constexpr int ClientWidth = 4905, ClientHeight = 1230;
} // namespace

OKTransfert::OKTransfert(Program& p) : plat::Form(p.rt, "OKTransfert"), p_(p)
{
    setClientSize(ClientWidth, ClientHeight);
    setBackColor(NoticeGreen);
    Label1.move(120, 480, 4455, 255);
    Label1.setBackColor(NoticeGreen);
    Label1.setAlignment(plat::Label::AlignCenter);
}

void OKTransfert::Form_Load()
{
    Label1.setCaption(p_.s.status->MessageTransfert);
    setCaption(QStringLiteral(" Warning !"));
    // Its top-left corner at the centre of the screen.
    move(screenWidth() / 2, screenHeight() / 2, width(), height());
}

} // namespace orv

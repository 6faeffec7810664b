#pragma once
// The program's fonts, and the style metrics captions depend on. Windows name the faces of the system they were laid
// out for; each name maps onto a host face of similar width, sized in pixels
// as on a 96-dpi screen (15 twips per pixel), so that a caption takes the
// room the window's design gave it on every machine.

#include <QFont>
#include <QString>

class QStyle;

namespace plat {

// The face and size a control shows: "MS Sans Serif" 8.25 is the default
// font of every window and control.
QFont programFont(const QString& name, double points, bool bold = false);

// The default font of windows, menus and controls.
QFont defaultProgramFont();

// The style of check boxes and option buttons: the host's, with the
// system's narrow gap between the indicator and the caption.
QStyle* formStyle();

} // namespace plat

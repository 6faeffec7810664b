// The program: the main window on real time, real dialogs, the mapped drive
// C:, real serial ports and the default printer.

#include "platform/Dialogs.h"
#include "platform/Drive.h"
#include "platform/PortDirectory.h"
#include "platform/Printer.h"
#include "platform/Runtime.h"
#include "platform/TimeSource.h"
#include "platform/VbText.h"
#include "shell/Program.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    plat::RealTimeSource::selectEventLoop();
    QApplication app(argc, argv);
    QApplication::setApplicationName("orvane");
    // Number texts follow the system's decimal separator, as the program expects.
    plat::setDecimalSeparator(plat::systemDecimalSeparator());

    plat::RealTimeSource time;
    plat::QtDialogs dialogs;
    plat::Drive drive(plat::Drive::defaultRoot());
    plat::QtSerialFactory serial;
    plat::QtPrinter printer(drive.root());   // without a printer, documents are filed there
    plat::Runtime rt{time, dialogs, drive, serial, printer};

    orv::Program program(rt);
    orv::logForm(program).show();
    return app.exec();
}

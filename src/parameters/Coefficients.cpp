#include "parameters/Coefficients.h"

#include "parameters/CoefficientFile.h"
#include "platform/Dialogs.h"
#include "shell/ParamLogicielVB.h"
#include "shell/ParametersShared.h"
#include "shell/Program.h"
#include "shell/State.h"

namespace orv {

namespace {

constexpr plat::Color WindowLilac = plat::rgb(0xC0, 0xC0, 0xFF);
constexpr plat::Color HeadingBlue = plat::rgb(0x80, 0x80, 0xFF);
constexpr int ClientWidth = 11100, ClientHeight = 6660;
constexpr int FirstColumnX = 5160, ColumnStep = 720;
constexpr int CellWidth = 615, CellHeight = 285;

int rowTop(int row) { return 960 + 360 * row; }

struct RowText {
    const char* name;
    const char* description;
    const char* unit;
};
// Rows 5-9 and 12-14 have no name: the window hides them and only passes
// their values through.
constexpr RowText Rows[CoeffRows] = {
    {"[LPC]", "Lamp Plasma Control ", "[AU]"},
    {"[LFC]", "Light Flux Control ", "[%]"},
    {"[VIS]", "Light Intensity [W/m2] ", "[W/m2]"},
    {"[RH]", "Relative Humidity at Samples ", "[%]"},
    {"[IR]", "IR Light Intensity ", "[%]"},
    {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""},
    {"[VCC]", "Processor Supply Power ", "[+5V]"},
    {"[BAT]", "Setup Battery Voltage (Li) ", "[+3V]"},
    {"", "", ""}, {"", "", ""}, {"", "", ""},
};
bool shownRow(int row) { return row <= 4 || row == 10 || row == 11; }

// A description runs into a row of dots up to the unit column.
QString dotted(const char* description) { return QString::fromLatin1(description).leftJustified(44, QLatin1Char('.')); }

} // namespace

Coefficients::Coefficients(Program& p) : plat::Form(p.rt, "Coefficients"), p_(p)
{
    // The arrow points at the close box, which saves the table.
    setCaption(QStringLiteral("  LE Data") + QString(160, QLatin1Char(' ')) + QStringLiteral("---- Save ---> "));
    setClientSize(ClientWidth, ClientHeight);
    setBackColor(WindowLilac);

    Label4.move(240, 480, 4575, 255);
    Label4.setCaption(QStringLiteral("Data From LE"));
    Label4.setBackColor(HeadingBlue);
    // Above row 10, in the place of the hidden row 9, so that the supply
    // rows stand under their heading.
    Label5.move(240, rowTop(9), 4575, 255);
    Label5.setCaption(QStringLiteral("FADEC Voltages"));
    Label5.setBackColor(HeadingBlue);

    for (int i = 0; i < 6; ++i) {
        plat::Label& h = Label6.add(i);
        h.move(FirstColumnX + ColumnStep * i, 480, CellWidth, 255);
        h.setCaption(QStringLiteral("LE-%1").arg(i + 1));
        h.setAlignment(plat::Label::AlignCenter);
        h.setBackStyle(0);
    }
    Label7.move(9480, 480, CellWidth, 255);
    Label7.setCaption(QStringLiteral("LE-7"));
    Label8.move(10200, 480, CellWidth, 255);
    Label8.setCaption(QStringLiteral("LE-8"));
    for (plat::Label* h : {&Label7, &Label8}) {
        h->setAlignment(plat::Label::AlignCenter);
        h->setBackStyle(0);
    }

    for (int row = 0; row < CoeffRows; ++row) {
        plat::Label& name = Label1.add(row);
        name.move(240, rowTop(row), 480, 255);
        name.setCaption(QString::fromLatin1(Rows[row].name));
        name.setBackStyle(0);
        plat::Label& description = Label2.add(row);
        description.move(780, rowTop(row), 3495, 255);
        description.setCaption(dotted(Rows[row].description));
        description.setBackStyle(0);
        plat::Label& unit = Label3.add(row);
        unit.move(4320, rowTop(row), 780, 255);
        unit.setCaption(QString::fromLatin1(Rows[row].unit));
        unit.setBackStyle(0);
        for (int le = 0; le < 8; ++le) {
            plat::TextBox& cell = column(le).add(row);
            cell.move(FirstColumnX + ColumnStep * le, rowTop(row), CellWidth, CellHeight);
            if (le >= 6) cell.setText(QStringLiteral(" "));
        }
    }

    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
}

void Coefficients::Form_Load()
{
    move((screenWidth() - width()) / 2, (screenHeight() - height()) / 2, width(), height());
}

plat::ControlArray<plat::TextBox>& Coefficients::column(int le)
{
    plat::ControlArray<plat::TextBox>* columns[8] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8};
    return *columns[le];
}

// Fills the grid and CoeffLE from the file. A line the file lacks (a short
// or missing file) leaves that cell with the value in force in CoeffLE.
void Coefficients::Timer1_Timer()
{
    for (int row = 0; row < CoeffRows; ++row) {
        if (shownRow(row)) continue;
        Label2[row].setVisible(false);
        for (int le = 0; le < 8; ++le) column(le)[row].setVisible(false);
    }
    const QStringList values =
        readCoefficientFile(p_.rt.drive, coefficientFilePath(p_.s.common->BaseFolder)).value_or(QStringList());
    for (int le = 0; le < 8; ++le)
        for (int row = 0; row < CoeffRows; ++row) {
            QString& coeff = p_.s.paramShared->CoeffLE[coeffIndex(row, le)];
            const int line = coeffLine(row, le);
            if (line <= values.size()) coeff = values[line - 1];
            column(le)[row].setText(coeff);
        }
    loaded_ = true;
    Timer1.setEnabled(false);
}

void Coefficients::Timer2_Timer()
{
    ParamLogicielVB& settings = *p_.form<ParamLogicielVB>();
    int slot = 0;
    for (int le = 0; le < 6; ++le) {
        const bool active = settings.LEActivated(le);
        if (active) {
            const int x = FirstColumnX + ColumnStep * slot++;
            Label6[le].setLeft(x);
            for (int row = 0; row < CoeffRows; ++row) column(le)[row].setLeft(x);
        } else {
            Label6[le].setVisible(false);
            for (int row = 0; row < CoeffRows; ++row) column(le)[row].setVisible(false);
        }
    }
}

// Every cell, hidden or not, goes to the file and to CoeffLE. A cell whose
// text was changed to something that is not a number keeps the value it had
// (one warning names them all): the file keeps one number per line and
// reception never meets a factor it cannot convert. A value that came from
// the file unchanged passes through as it is.
void Coefficients::Form_Unload(int& cancel)
{
    QStringList lines;
    QStringList refused;
    for (int le = 0; le < 8; ++le)
        for (int row = 0; row < CoeffRows; ++row) {
            QString& coeff = p_.s.paramShared->CoeffLE[coeffIndex(row, le)];
            const QString typed = column(le)[row].text();
            // Closed before the table was loaded: the grid holds nothing of the user's.
            if (loaded_ && typed != coeff) {
                if (const auto v = acceptedCoefficient(typed))
                    coeff = *v;
                else
                    refused += QStringLiteral("LE-%1 %2 \"%3\"")
                                   .arg(le + 1)
                                   .arg(Label1[row].caption().isEmpty() ? QStringLiteral("row %1").arg(row)
                                                                        : Label1[row].caption())
                                   .arg(typed);
            }
            lines += coeff;
        }
    writeCoefficientFile(p_.rt.drive, coefficientFilePath(p_.s.common->BaseFolder), lines);
    if (!refused.isEmpty())
        p_.rt.dialogs.msgBox(QStringLiteral("Not a number, the previous value is kept : ") + refused.join(QStringLiteral(", ")),
                             int(plat::mb::OKOnly) | int(plat::mb::Exclamation), QStringLiteral(" Warning ! "));
}

} // namespace orv

#include "parameters/EspionStartTexts.h"

#include "platform/VbText.h"

namespace orv {

namespace {

constexpr int RpmPerCount = 30;

QString tr2(bool english, const char* en, const char* fr)
{
    return english ? QString::fromUtf8(en) : QString::fromUtf8(fr);
}

// " 2520" and the unit: the speed with its leading blank.
QString speed(bool english, int tachy)
{
    return plat::vbStr(tachy * RpmPerCount) + (english ? QStringLiteral(" rpm") : QStringLiteral(" tr/min"));
}

QString num(int v) { return QString::number(v); }

QString threeDigits(int v) { return QString::number(v).rightJustified(3, QLatin1Char('0')); }

} // namespace

QString startStepText(int step, uint8_t& pass, const StepContext& c)
{
    const bool en = c.english;
    QString text;
    if (step == 1 || step == 2) {
        if (pass == 0) {
            if (step == 1) {
                text = QStringLiteral(" Start LE-") + num(c.leNumber);
            } else {
                text = tr2(en, " Phase 1 activated", " Phase 1 activée");
                pass = 1;
            }
        } else if (pass == 1) {
            if (step == 1) {
                text = tr2(en, " Initialize counters wear in b2", " Initialisation compteurs usures en b2");
            } else {
                text = tr2(en, " Initialization time measurement. Holder in b2",
                           " Initialisation mesure Temp. Holder en b2");
                pass = 2;
            }
        }
    }

    const QString sm = QStringLiteral("= ") + speed(en, c.tachyM);
    const QString sv1 = QStringLiteral("=") + speed(en, c.tachyV1);
    const QString sv2 = QStringLiteral("=") + speed(en, c.tachyV2);
    const int z1 = c.z1, z2 = c.z2, z3 = c.z3;
    const QString jump = tr2(en, "    jumping ", "    saut à ");

    // In this order; a later match replaces an earlier one.
    const struct {
        int step;
        QString text;
    } rows[] = {
        {3, tr2(en, " Starting M ", " Démarrage de M ")},
        {6, tr2(en, " Speed Test M ", " Test de vitesse de M ") + sm},
        {7, tr2(en, " Starting V1 & V2 ", " Démarrage V1 & V2 ")},
        {11, tr2(en, " Test the speed of V1 & V2 ", " Test de la vitesse de V1 & V2 ")},
        {12, tr2(en, " Measurement temp. Magnetron if <55 ° C (cooling if enabled -> goto 7)",
                 " Mesure temp. Magnétron si < 55°C (si refroidissement activé --> goto 7)")},
        {13, tr2(en, " Result V1 speed tests for V1", " Résultat tests de vitesse de V1") + sv1 + QStringLiteral("  V2")
                 + sv2},
        {14, tr2(en, " Phase 2 enabled    z1=", " Phase 2 activée    z1=") + num(z1) + jump + num(z1 + 14)},
        {15, tr2(en, " Activation magnetron (generator) = ON", " Activation Magnétron (Générateur) = ON")},
        {z1 + 14, tr2(en, " Phase 3 enabled    z2=", " Phase 3 activée    z2=") + num(z2) + jump + num(z1 + z2 + 15)},
        {z1 + z2 + 15,
         tr2(en, " Phase 4 enabled    z3=", " Phase 4 activée    z3=") + num(z3) + jump + num(z1 + z2 + z3 + 16)},
        {z1 + 15, tr2(en, " Maintains activation Magnetron", " Maintient activation Magnétron")},
        {z1 + z2 + 16, tr2(en, " Identification if there is light at the bulb (LPC)",
                           " Identification si lumière existe sur le Bulb (LPC)")},
        {z1 + z2 + 17, tr2(en, " Test if no light = Off Magnetron", " Test si pas de lumière = Arrêt Magnétron")},
        {z1 + z2 + 18, tr2(en, " While many start-up> Max Start Number = Shutdown THE",
                           " Si nombre de démarrage > Max Start Number = Arrêt système LE")},
        {z1 + z2 + 19, tr2(en, " Measurement temp. Magnetron if <55 ° C (if> back to item 7)",
                           " Mesure temp. Magnétron si < 55°C (si > retourne au point 7)")},
        {z1 + z2 + z3 + 16, tr2(en, " Phase 5 enabled", " Phase 5 activée")},
    };
    for (const auto& r : rows)
        if (r.step == step) text = r.text;
    return text;
}

QString stepHead(int leNumber, int step)
{
    return QStringLiteral(" LE-") + num(leNumber) + QStringLiteral("   Step= ") + threeDigits(step)
        + QStringLiteral("    ");
}

QString sensorReadings(int lpc, int lfc, int mat)
{
    return QStringLiteral(" > AD0-   LPC= ") + threeDigits(lpc) + QStringLiteral("    LFC= ") + threeDigits(lfc)
        + QStringLiteral("    MAT= ") + threeDigits(mat);
}

QStringList firstPassLines(bool en, int z1, int z2, int z3)
{
    return {tr2(en, " Loading the value z1=", " Chargement de la valeur z1=") + num(z1),
            tr2(en, " Loading the value z2=", " Chargement de la valeur z2=") + num(z2),
            tr2(en, " Loading the value z3=", " Chargement de la valeur z3=") + num(z3),
            tr2(en, " Pointer speed measurement M to '0'", " Pointeur de mesure de vitesse M à '0'"),
            tr2(en, " Initialization speed M 84/255", " Initialisation vitesse M à 84/255")};
}

QStringList phase5Lines(bool en)
{
    return {tr2(en, " Infinite loop (until asked to stop)", " Boucle infinie (jusqu'à demande d'arrêt LE)"),
            tr2(en, " Reading sensors AD0-LPC, LFC, Batt, VCC", " Lecture des capteurs AD0-LPC, LFC, Batt, VCC"),
            tr2(en, " Reading sensors AD1-VIS, IR, HR, Reserve", " Lecture des capteurs AD1-VIS, IR, RH, Réserve"),
            tr2(en, " Monitoring Temp. Magnetron", " Surveillance Temp. Magnétron"),
            tr2(en, " Monitoring Temp. Holder", " Surveillance Temp. Plateau")};
}

QStringList printHeader(bool en, const QString& margin)
{
    const QString blank = QStringLiteral(" ");
    return {blank,
            blank,
            blank,
            margin + tr2(en, "Print Debugger - Stamp", "Impression Debugger - Stamp"),
            margin + QString(40, QLatin1Char('-')),
            blank,
            blank};
}

} // namespace orv

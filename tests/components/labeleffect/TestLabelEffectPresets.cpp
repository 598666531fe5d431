#include "components/labeleffect/LblEffct.h"

#include <QTest>

using namespace peglore;
using D = TEffectDirection;
using S = TEffectStyle;
using C = TColourScheme;

namespace {

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor Gray(128, 128, 128);
const QColor Silver(192, 192, 192);
const QColor Yellow(255, 255, 0);
const QColor Olive(128, 128, 0);
const QColor Aqua(0, 255, 255);
const QColor Navy(0, 0, 128);
const QColor Teal(0, 128, 128);

}  // namespace

class TestLabelEffectPresets : public QObject {
    Q_OBJECT

private slots:
    void initialValues();
    void stylePresets_data();
    void stylePresets();
    void colourSchemes_data();
    void colourSchemes();
    void aboutDialogSettings();
    void flyingOnGoldThenRaised();
    void flyingOnCustomKeepsShadowAsHighlight();
    void manualDepthOnSunkenButtonGivesCustom();
    void asButtonOnShadowGivesRaised();
    void asButtonOffChangesNothingElse();
    void unchangedValueKeepsStyleAndScheme();
    void equalColourInAnotherSpecKeepsScheme_data();
    void equalColourInAnotherSpecKeepsScheme();
    void fontColourTouchesNeitherTableNorScheme();
    void angleForcesLeftJustify();
    void rangesAreNotEnforced();
};

void TestLabelEffectPresets::initialValues()
{
    TLabelEffect l;
    QCOMPARE(l.DepthHighlight(), TEffectDepth(1));
    QCOMPARE(l.DepthShadow(), TEffectDepth(1));
    QCOMPARE(l.DirectionHighlight(), D::edUpLeft);
    QCOMPARE(l.DirectionShadow(), D::edDownRight);
    QCOMPARE(l.ColourHighlight(), White);
    QCOMPARE(l.ColourShadow(), Black);
    QCOMPARE(l.FontColor(), Gray);
    QCOMPARE(l.EffectStyle(), S::esRaised);
    QCOMPARE(l.ColourScheme(), C::csWindows);
    QCOMPARE(l.AsButton(), false);
    QCOMPARE(l.Angle(), TAngleRange(0));
    QCOMPARE(l.AutoSize(), false);
    QCOMPARE(l.Transparent(), true);
    QCOMPARE(l.ShowAccelChar(), true);
    QCOMPARE(l.Alignment(), TAlignment::taLeftJustify);
    QCOMPARE(l.size(), QSize(65, 17));
    QCOMPARE(l.font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(l.font().pointSize(), 20);
    QCOMPARE(l.SchemeColours(C::csCustom).Highlight, White);
    QCOMPARE(l.SchemeColours(C::csCustom).Shadow, Black);
    QCOMPARE(l.SchemeColours(C::csCustom).Text, Gray);
}

void TestLabelEffectPresets::stylePresets_data()
{
    QTest::addColumn<S>("style");
    QTest::addColumn<D>("dirHighlight");
    QTest::addColumn<D>("dirShadow");
    QTest::addColumn<int>("depthHighlight");
    QTest::addColumn<int>("depthShadow");
    QTest::addColumn<bool>("keepsButton");
    QTest::addColumn<QColor>("highlight");
    // Each starts from a button on csSteel: sunken, or raised for the
    // sunken row, so that every row changes the style.
    QTest::newRow("none") << S::esNone << D::edNone << D::edNone << 0 << 0 << false << Aqua;
    QTest::newRow("custom") << S::esCustom << D::edDownRight << D::edUpLeft << 1 << 1 << false << Aqua;
    QTest::newRow("raised") << S::esRaised << D::edUpLeft << D::edDownRight << 1 << 1 << true << Aqua;
    QTest::newRow("sunken") << S::esSunken << D::edDownRight << D::edUpLeft << 1 << 1 << true << Aqua;
    QTest::newRow("shadow") << S::esShadow << D::edNone << D::edDownRight << 0 << 2 << false << Aqua;
    QTest::newRow("flying") << S::esFlying << D::edDownRight << D::edDownRight << 1 << 5 << false << Navy;
}

void TestLabelEffectPresets::stylePresets()
{
    QFETCH(S, style);
    QFETCH(D, dirHighlight);
    QFETCH(D, dirShadow);
    QFETCH(int, depthHighlight);
    QFETCH(int, depthShadow);
    QFETCH(bool, keepsButton);
    QFETCH(QColor, highlight);

    TLabelEffect l;
    l.SetColourScheme(C::csSteel);
    l.SetAsButton(true);
    l.SetEffectStyle(style == S::esSunken ? S::esRaised : S::esSunken);
    QVERIFY(l.AsButton());

    l.SetEffectStyle(style);
    QCOMPARE(l.EffectStyle(), style);
    QCOMPARE(l.DirectionHighlight(), dirHighlight);
    QCOMPARE(l.DirectionShadow(), dirShadow);
    QCOMPARE(int(l.DepthHighlight()), depthHighlight);
    QCOMPARE(int(l.DepthShadow()), depthShadow);
    QCOMPARE(l.ColourHighlight(), highlight);
    QCOMPARE(l.ColourShadow(), Navy);
    QCOMPARE(l.ColourScheme(), C::csSteel);
    QCOMPARE(l.AsButton(), keepsButton);
}

void TestLabelEffectPresets::colourSchemes_data()
{
    QTest::addColumn<C>("scheme");
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<QColor>("shadow");
    QTest::addColumn<QColor>("text");
    QTest::newRow("text") << C::csText << White << Gray << Black;
    QTest::newRow("embossed") << C::csEmbossed << White << Black << Silver;
    QTest::newRow("gold") << C::csGold << Yellow << Black << Olive;
    QTest::newRow("steel") << C::csSteel << Aqua << Navy << Teal;
}

void TestLabelEffectPresets::colourSchemes()
{
    QFETCH(C, scheme);
    QFETCH(QColor, highlight);
    QFETCH(QColor, shadow);
    QFETCH(QColor, text);
    TLabelEffect l;
    l.SetColourScheme(scheme);
    QCOMPARE(l.ColourScheme(), scheme);
    QCOMPARE(l.ColourHighlight(), highlight);
    QCOMPARE(l.ColourShadow(), shadow);
    QCOMPARE(l.FontColor(), text);
    QCOMPARE(l.EffectStyle(), S::esRaised);

    // The custom entry remembers the last named scheme whole.
    l.SetFontColor(Qt::magenta);
    l.SetColourScheme(C::csCustom);
    QCOMPARE(l.ColourHighlight(), highlight);
    QCOMPARE(l.ColourShadow(), shadow);
    QCOMPARE(l.FontColor(), text);

    // Back to csWindows: the named entry was never changed.
    l.SetColourScheme(C::csWindows);
    QCOMPARE(l.ColourHighlight(), White);
    QCOMPARE(l.ColourShadow(), Black);
    QCOMPARE(l.FontColor(), Gray);
    QCOMPARE(l.SchemeColours(scheme).Highlight, highlight);
}

void TestLabelEffectPresets::aboutDialogSettings()
{
    TLabelEffect l;
    l.SetDirectionHighlight(D::edDownRight);
    l.SetDirectionShadow(D::edUpLeft);
    l.SetColourHighlight(Gray);
    l.SetColourShadow(Gray);
    l.SetEffectStyle(S::esCustom);
    l.SetColourScheme(C::csCustom);
    l.SetFontColor(Black);
    QCOMPARE(l.EffectStyle(), S::esCustom);
    QCOMPARE(l.ColourScheme(), C::csCustom);
    QCOMPARE(l.ColourHighlight(), Gray);
    QCOMPARE(l.ColourShadow(), Gray);
    QCOMPARE(l.DepthHighlight(), TEffectDepth(1));
    QCOMPARE(l.DepthShadow(), TEffectDepth(1));
    QCOMPARE(l.SchemeColours(C::csCustom).Highlight, Gray);
    QCOMPARE(l.SchemeColours(C::csCustom).Shadow, Gray);
}

void TestLabelEffectPresets::flyingOnGoldThenRaised()
{
    TLabelEffect l;
    l.SetColourScheme(C::csGold);
    l.SetEffectStyle(S::esFlying);
    QCOMPARE(l.DirectionHighlight(), D::edDownRight);
    QCOMPARE(l.DirectionShadow(), D::edDownRight);
    QCOMPARE(l.DepthHighlight(), TEffectDepth(1));
    QCOMPARE(l.DepthShadow(), TEffectDepth(5));
    QCOMPARE(l.ColourHighlight(), Black);
    QCOMPARE(l.ColourShadow(), Black);
    QCOMPARE(l.ColourScheme(), C::csGold);
    l.SetEffectStyle(S::esRaised);
    QCOMPARE(l.ColourHighlight(), Yellow);
    QCOMPARE(l.ColourScheme(), C::csGold);
}

void TestLabelEffectPresets::flyingOnCustomKeepsShadowAsHighlight()
{
    TLabelEffect l;
    l.SetColourHighlight(Qt::red);
    l.SetColourShadow(Qt::blue);
    QCOMPARE(l.ColourScheme(), C::csCustom);
    l.SetEffectStyle(S::esFlying);
    QCOMPARE(l.ColourHighlight(), QColor(Qt::blue));
    QCOMPARE(l.SchemeColours(C::csCustom).Highlight, QColor(Qt::blue));
    l.SetEffectStyle(S::esRaised);
    QCOMPARE(l.ColourHighlight(), QColor(Qt::blue));
}

void TestLabelEffectPresets::manualDepthOnSunkenButtonGivesCustom()
{
    TLabelEffect l;
    l.SetAsButton(true);
    l.SetEffectStyle(S::esSunken);
    QVERIFY(l.AsButton());
    l.SetDepthHighlight(3);
    QCOMPARE(l.EffectStyle(), S::esCustom);
    QCOMPARE(l.AsButton(), false);
    QCOMPARE(l.DepthHighlight(), TEffectDepth(3));
    QCOMPARE(l.DirectionHighlight(), D::edDownRight);
}

void TestLabelEffectPresets::asButtonOnShadowGivesRaised()
{
    TLabelEffect l;
    l.SetEffectStyle(S::esShadow);
    l.SetAsButton(true);
    QCOMPARE(l.EffectStyle(), S::esRaised);
    QCOMPARE(l.AsButton(), true);
    QCOMPARE(l.DirectionHighlight(), D::edUpLeft);
    QCOMPARE(l.DirectionShadow(), D::edDownRight);
    QCOMPARE(l.DepthHighlight(), TEffectDepth(1));
    QCOMPARE(l.DepthShadow(), TEffectDepth(1));
}

void TestLabelEffectPresets::asButtonOffChangesNothingElse()
{
    TLabelEffect l;
    l.SetAsButton(true);
    l.SetEffectStyle(S::esSunken);
    l.SetAsButton(false);
    QCOMPARE(l.EffectStyle(), S::esSunken);
    QCOMPARE(l.DirectionHighlight(), D::edDownRight);
}

void TestLabelEffectPresets::unchangedValueKeepsStyleAndScheme()
{
    TLabelEffect l;
    l.SetDepthHighlight(1);
    l.SetDirectionShadow(D::edDownRight);
    l.SetColourHighlight(White);
    QCOMPARE(l.EffectStyle(), S::esRaised);
    QCOMPARE(l.ColourScheme(), C::csWindows);
}

void TestLabelEffectPresets::equalColourInAnotherSpecKeepsScheme_data()
{
    QTest::addColumn<C>("scheme");
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<QColor>("shadow");
    QTest::newRow("csWindows as HSV") << C::csWindows << QColor::fromHsv(0, 0, 255) << QColor::fromHsv(0, 0, 0);
    QTest::newRow("csGold as HSV and HSL") << C::csGold << QColor::fromHsv(60, 255, 255) << QColor::fromHsl(0, 0, 0);
    QTest::newRow("csSteel as CMYK") << C::csSteel << QColor::fromCmyk(255, 0, 0, 0)
                                     << QColor::fromCmyk(255, 255, 0, 127);
}

void TestLabelEffectPresets::equalColourInAnotherSpecKeepsScheme()
{
    QFETCH(C, scheme);
    QFETCH(QColor, highlight);
    QFETCH(QColor, shadow);
    TLabelEffect l;
    l.SetColourScheme(scheme);
    const TSchemeColours entry = l.SchemeColours(scheme);
    QCOMPARE(highlight.rgba(), entry.Highlight.rgba());
    QCOMPARE(shadow.rgba(), entry.Shadow.rgba());

    l.SetColourHighlight(highlight);
    l.SetColourShadow(shadow);
    l.SetFontColor(entry.Text.toHsv());
    QCOMPARE(l.ColourScheme(), scheme);
    QCOMPARE(l.ColourHighlight().rgba(), entry.Highlight.rgba());
    QCOMPARE(l.ColourShadow().rgba(), entry.Shadow.rgba());

    // One step off is a custom colour.
    l.SetColourShadow(QColor::fromRgb(entry.Shadow.rgb() ^ 1));
    QCOMPARE(l.ColourScheme(), C::csCustom);
}

void TestLabelEffectPresets::fontColourTouchesNeitherTableNorScheme()
{
    TLabelEffect l;
    l.SetFontColor(Qt::red);
    QCOMPARE(l.ColourScheme(), C::csWindows);
    QCOMPARE(l.SchemeColours(C::csCustom).Text, Gray);
    QCOMPARE(l.SchemeColours(C::csWindows).Text, Gray);
}

void TestLabelEffectPresets::angleForcesLeftJustify()
{
    TLabelEffect l;
    l.SetAlignment(TAlignment::taCenter);
    l.SetAngle(90);
    QCOMPARE(l.Alignment(), TAlignment::taLeftJustify);
    l.SetAlignment(TAlignment::taRightJustify);
    l.SetAngle(0);
    QCOMPARE(l.Alignment(), TAlignment::taRightJustify);
}

void TestLabelEffectPresets::rangesAreNotEnforced()
{
    TLabelEffect l;
    l.SetDepthShadow(40);
    QCOMPARE(l.DepthShadow(), TEffectDepth(40));
    l.SetAngle(720);
    QCOMPARE(l.Angle(), TAngleRange(720));
}

QTEST_MAIN(TestLabelEffectPresets)
#include "TestLabelEffectPresets.moc"

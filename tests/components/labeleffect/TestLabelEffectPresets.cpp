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
    void InitialValues();
    void StylePresets_data();
    void StylePresets();
    void ColourSchemes_data();
    void ColourSchemes();
    void AboutDialogSettings();
    void FlyingOnGoldThenRaised();
    void FlyingOnCustomKeepsShadowAsHighlight();
    void ManualDepthOnSunkenButtonGivesCustom();
    void AsButtonOnShadowGivesRaised();
    void AsButtonOffChangesNothingElse();
    void UnchangedValueKeepsStyleAndScheme();
    void FontColourTouchesNeitherTableNorScheme();
    void AngleForcesLeftJustify();
    void RangesAreNotEnforced();
};

void TestLabelEffectPresets::InitialValues()
{
    TLabelEffect L;
    QCOMPARE(L.DepthHighlight(), TEffectDepth(1));
    QCOMPARE(L.DepthShadow(), TEffectDepth(1));
    QCOMPARE(L.DirectionHighlight(), D::edUpLeft);
    QCOMPARE(L.DirectionShadow(), D::edDownRight);
    QCOMPARE(L.ColourHighlight(), White);
    QCOMPARE(L.ColourShadow(), Black);
    QCOMPARE(L.FontColor(), Gray);
    QCOMPARE(L.EffectStyle(), S::esRaised);
    QCOMPARE(L.ColourScheme(), C::csWindows);
    QCOMPARE(L.AsButton(), false);
    QCOMPARE(L.Angle(), TAngleRange(0));
    QCOMPARE(L.AutoSize(), false);
    QCOMPARE(L.Transparent(), true);
    QCOMPARE(L.ShowAccelChar(), true);
    QCOMPARE(L.Alignment(), TAlignment::taLeftJustify);
    QCOMPARE(L.size(), QSize(65, 17));
    QCOMPARE(L.font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(L.font().pointSize(), 20);
    QCOMPARE(L.SchemeColours(C::csCustom).Highlight, White);
    QCOMPARE(L.SchemeColours(C::csCustom).Shadow, Black);
    QCOMPARE(L.SchemeColours(C::csCustom).Text, Gray);
}

void TestLabelEffectPresets::StylePresets_data()
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
    QTest::newRow("custom") << S::esCustom << D::edDownRight << D::edUpLeft << 1 << 1 << false
                            << Aqua;
    QTest::newRow("raised") << S::esRaised << D::edUpLeft << D::edDownRight << 1 << 1 << true
                            << Aqua;
    QTest::newRow("sunken") << S::esSunken << D::edDownRight << D::edUpLeft << 1 << 1 << true
                            << Aqua;
    QTest::newRow("shadow") << S::esShadow << D::edNone << D::edDownRight << 0 << 2 << false
                            << Aqua;
    QTest::newRow("flying") << S::esFlying << D::edDownRight << D::edDownRight << 1 << 5 << false
                            << Navy;
}

void TestLabelEffectPresets::StylePresets()
{
    QFETCH(S, style);
    QFETCH(D, dirHighlight);
    QFETCH(D, dirShadow);
    QFETCH(int, depthHighlight);
    QFETCH(int, depthShadow);
    QFETCH(bool, keepsButton);
    QFETCH(QColor, highlight);

    TLabelEffect L;
    L.SetColourScheme(C::csSteel);
    L.SetAsButton(true);
    L.SetEffectStyle(style == S::esSunken ? S::esRaised : S::esSunken);
    QVERIFY(L.AsButton());

    L.SetEffectStyle(style);
    QCOMPARE(L.EffectStyle(), style);
    QCOMPARE(L.DirectionHighlight(), dirHighlight);
    QCOMPARE(L.DirectionShadow(), dirShadow);
    QCOMPARE(int(L.DepthHighlight()), depthHighlight);
    QCOMPARE(int(L.DepthShadow()), depthShadow);
    QCOMPARE(L.ColourHighlight(), highlight);
    QCOMPARE(L.ColourShadow(), Navy);
    QCOMPARE(L.ColourScheme(), C::csSteel);
    QCOMPARE(L.AsButton(), keepsButton);
}

void TestLabelEffectPresets::ColourSchemes_data()
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

void TestLabelEffectPresets::ColourSchemes()
{
    QFETCH(C, scheme);
    QFETCH(QColor, highlight);
    QFETCH(QColor, shadow);
    QFETCH(QColor, text);
    TLabelEffect L;
    L.SetColourScheme(scheme);
    QCOMPARE(L.ColourScheme(), scheme);
    QCOMPARE(L.ColourHighlight(), highlight);
    QCOMPARE(L.ColourShadow(), shadow);
    QCOMPARE(L.FontColor(), text);
    QCOMPARE(L.EffectStyle(), S::esRaised);

    // The custom entry remembers the last named scheme whole.
    L.SetFontColor(Qt::magenta);
    L.SetColourScheme(C::csCustom);
    QCOMPARE(L.ColourHighlight(), highlight);
    QCOMPARE(L.ColourShadow(), shadow);
    QCOMPARE(L.FontColor(), text);

    // Back to csWindows: the named entry was never changed.
    L.SetColourScheme(C::csWindows);
    QCOMPARE(L.ColourHighlight(), White);
    QCOMPARE(L.ColourShadow(), Black);
    QCOMPARE(L.FontColor(), Gray);
    QCOMPARE(L.SchemeColours(scheme).Highlight, highlight);
}

void TestLabelEffectPresets::AboutDialogSettings()
{
    TLabelEffect L;
    L.SetDirectionHighlight(D::edDownRight);
    L.SetDirectionShadow(D::edUpLeft);
    L.SetColourHighlight(Gray);
    L.SetColourShadow(Gray);
    L.SetEffectStyle(S::esCustom);
    L.SetColourScheme(C::csCustom);
    L.SetFontColor(Black);
    QCOMPARE(L.EffectStyle(), S::esCustom);
    QCOMPARE(L.ColourScheme(), C::csCustom);
    QCOMPARE(L.ColourHighlight(), Gray);
    QCOMPARE(L.ColourShadow(), Gray);
    QCOMPARE(L.DepthHighlight(), TEffectDepth(1));
    QCOMPARE(L.DepthShadow(), TEffectDepth(1));
    QCOMPARE(L.SchemeColours(C::csCustom).Highlight, Gray);
    QCOMPARE(L.SchemeColours(C::csCustom).Shadow, Gray);
}

void TestLabelEffectPresets::FlyingOnGoldThenRaised()
{
    TLabelEffect L;
    L.SetColourScheme(C::csGold);
    L.SetEffectStyle(S::esFlying);
    QCOMPARE(L.DirectionHighlight(), D::edDownRight);
    QCOMPARE(L.DirectionShadow(), D::edDownRight);
    QCOMPARE(L.DepthHighlight(), TEffectDepth(1));
    QCOMPARE(L.DepthShadow(), TEffectDepth(5));
    QCOMPARE(L.ColourHighlight(), Black);
    QCOMPARE(L.ColourShadow(), Black);
    QCOMPARE(L.ColourScheme(), C::csGold);
    L.SetEffectStyle(S::esRaised);
    QCOMPARE(L.ColourHighlight(), Yellow);
    QCOMPARE(L.ColourScheme(), C::csGold);
}

void TestLabelEffectPresets::FlyingOnCustomKeepsShadowAsHighlight()
{
    TLabelEffect L;
    L.SetColourHighlight(Qt::red);
    L.SetColourShadow(Qt::blue);
    QCOMPARE(L.ColourScheme(), C::csCustom);
    L.SetEffectStyle(S::esFlying);
    QCOMPARE(L.ColourHighlight(), QColor(Qt::blue));
    QCOMPARE(L.SchemeColours(C::csCustom).Highlight, QColor(Qt::blue));
    L.SetEffectStyle(S::esRaised);
    QCOMPARE(L.ColourHighlight(), QColor(Qt::blue));
}

void TestLabelEffectPresets::ManualDepthOnSunkenButtonGivesCustom()
{
    TLabelEffect L;
    L.SetAsButton(true);
    L.SetEffectStyle(S::esSunken);
    QVERIFY(L.AsButton());
    L.SetDepthHighlight(3);
    QCOMPARE(L.EffectStyle(), S::esCustom);
    QCOMPARE(L.AsButton(), false);
    QCOMPARE(L.DepthHighlight(), TEffectDepth(3));
    QCOMPARE(L.DirectionHighlight(), D::edDownRight);
}

void TestLabelEffectPresets::AsButtonOnShadowGivesRaised()
{
    TLabelEffect L;
    L.SetEffectStyle(S::esShadow);
    L.SetAsButton(true);
    QCOMPARE(L.EffectStyle(), S::esRaised);
    QCOMPARE(L.AsButton(), true);
    QCOMPARE(L.DirectionHighlight(), D::edUpLeft);
    QCOMPARE(L.DirectionShadow(), D::edDownRight);
    QCOMPARE(L.DepthHighlight(), TEffectDepth(1));
    QCOMPARE(L.DepthShadow(), TEffectDepth(1));
}

void TestLabelEffectPresets::AsButtonOffChangesNothingElse()
{
    TLabelEffect L;
    L.SetAsButton(true);
    L.SetEffectStyle(S::esSunken);
    L.SetAsButton(false);
    QCOMPARE(L.EffectStyle(), S::esSunken);
    QCOMPARE(L.DirectionHighlight(), D::edDownRight);
}

void TestLabelEffectPresets::UnchangedValueKeepsStyleAndScheme()
{
    TLabelEffect L;
    L.SetDepthHighlight(1);
    L.SetDirectionShadow(D::edDownRight);
    L.SetColourHighlight(White);
    QCOMPARE(L.EffectStyle(), S::esRaised);
    QCOMPARE(L.ColourScheme(), C::csWindows);
}

void TestLabelEffectPresets::FontColourTouchesNeitherTableNorScheme()
{
    TLabelEffect L;
    L.SetFontColor(Qt::red);
    QCOMPARE(L.ColourScheme(), C::csWindows);
    QCOMPARE(L.SchemeColours(C::csCustom).Text, Gray);
    QCOMPARE(L.SchemeColours(C::csWindows).Text, Gray);
}

void TestLabelEffectPresets::AngleForcesLeftJustify()
{
    TLabelEffect L;
    L.SetAlignment(TAlignment::taCenter);
    L.SetAngle(90);
    QCOMPARE(L.Alignment(), TAlignment::taLeftJustify);
    L.SetAlignment(TAlignment::taRightJustify);
    L.SetAngle(0);
    QCOMPARE(L.Alignment(), TAlignment::taRightJustify);
}

void TestLabelEffectPresets::RangesAreNotEnforced()
{
    TLabelEffect L;
    L.SetDepthShadow(40);
    QCOMPARE(L.DepthShadow(), TEffectDepth(40));
    L.SetAngle(720);
    QCOMPARE(L.Angle(), TAngleRange(720));
}

QTEST_MAIN(TestLabelEffectPresets)
#include "TestLabelEffectPresets.moc"

// Every text of every dialog and window fits its control in every language
// the game ships, measured with the fonts' metrics: a label, button or check
// box shows its whole text, stays inside its window and runs into no other
// control, and the status bar's panels show a whole row number and status
// tip. Where the written English itself comes a pixel short (the
// Properties' "Automatic Checking"), a translation may too, never more.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

#include "app/TPlayerLanguage.h"
#include "app/mainform/ActiveGame.h"
#include "components/widgets/TStatusPanels.h"
#include "dialogs/about/TfrmAbout.h"
#include "dialogs/correctanswer/TfrmCorrectAnswer.h"
#include "dialogs/customboard/TfrmCustomBoard.h"
#include "dialogs/properties/TfrmProperties.h"
#include "dialogs/variant/TfrmVariant.h"
#include "translations/Catalogues.h"
#include "windows/analysis/TAnalysisWindow.h"
#include "windows/codebreaker/TfrmCodeBreaker.h"
#include "windows/daily/TfrmDailyResult.h"
#include "windows/records/TfrmRecords.h"

using namespace peglore;
using namespace peglore::testing;

namespace {

// What does not fit, by the control it happens in ("TfrmAbout/Label2 cut"):
// by how many pixels, and in words.
struct TProblem {
    int Pixels = 0;
    QString Words;
};
using TProblems = QMap<QString, TProblem>;

QString Shown(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    return shown.replace(QChar(1), QLatin1Char('&'));
}

int Widest(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QString NameOf(const QWidget* root, const QWidget* widget)
{
    QString name = widget->objectName();
    if (name.isEmpty()) {
        const QWidget* parent = widget->parentWidget();
        const QList<QWidget*> siblings = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        name = QStringLiteral("%1#%2").arg(QString::fromLatin1(widget->metaObject()->className()))
                   .arg(siblings.indexOf(const_cast<QWidget*>(widget)));
        if (parent != root)
            name.prepend(NameOf(root, parent) + QLatin1Char('/'));
    }
    return QString::fromLatin1(root->metaObject()->className()) + QLatin1Char('/') + name;
}

// The text a control shows and the room it has for it, or nothing for a
// control without text.
struct TRoom {
    QString Text;
    int Needed = 0;
    int Available = 0;
};

std::optional<TRoom> RoomOf(QWidget* widget)
{
    const QFontMetrics metrics(widget->font());
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty() || Qt::mightBeRichText(label->text()))
            return std::nullopt;
        const int inner = label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
        if (label->wordWrap())
            return TRoom{label->text(), label->heightForWidth(label->width()), label->height()};
        const QString text = label->buddy() ? Shown(label->text()) : label->text();
        return TRoom{label->text(), Widest(metrics, text), inner};
    }
    if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
        auto* button = static_cast<QAbstractButton*>(widget);
        if (button->text().isEmpty())
            return std::nullopt;
        return TRoom{button->text(), button->sizeHint().width(), button->width()};
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        if (button->text().isEmpty())
            return std::nullopt;
        // The text stands inside the button's frame, two pixels a side.
        return TRoom{button->text(), Widest(metrics, Shown(button->text())) + 4, button->width()};
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        if (group->title().isEmpty())
            return std::nullopt;
        return TRoom{group->title(), group->minimumSizeHint().width(), group->width()};
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i)
            titles << tabs->tabText(i);
        return TRoom{titles.join(QLatin1Char('|')), tabs->tabBar()->sizeHint().width(), tabs->width()};
    }
    return std::nullopt;
}

// Where a control's text is drawn in its parent: a label's from its
// aligned edge as wide as the text, any other control's whole rectangle.
QRect Drawn(QWidget* widget)
{
    if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget))
        return QRect(widget->pos(), QSize(std::min(widget->width(), widget->sizeHint().width()), widget->height()));
    auto* label = qobject_cast<QLabel*>(widget);
    if (!label || label->wordWrap())
        return widget->geometry();
    const int width = Widest(QFontMetrics(label->font()), label->text());
    QRect drawn = label->geometry();
    if (label->alignment() & Qt::AlignRight)
        drawn.setLeft(drawn.right() - width + 1);
    else if (label->alignment() & Qt::AlignHCenter)
        drawn = QRect(drawn.center().x() - width / 2, drawn.top(), width, drawn.height());
    else
        drawn.setWidth(width);
    return drawn;
}

// The controls of root whose text is cut off, leaves the window or runs
// into another control.
void Measure(QWidget* root, TProblems& problems)
{
    QList<QWidget*> texts;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root))
            continue;
        const std::optional<TRoom> room = RoomOf(widget);
        if (!room)
            continue;
        texts << widget;
        const QString name = NameOf(root, widget);
        if (room->Needed > room->Available)
            problems[name + QStringLiteral(" cut")] = {
                room->Needed - room->Available,
                QStringLiteral("%1 needs %2 px, has %3").arg(room->Text).arg(room->Needed).arg(room->Available)};
        // Every widget it lies in clips it: the text must stand inside all.
        QRect shown = root->rect();
        for (QWidget* parent = widget->parentWidget(); parent != root; parent = parent->parentWidget())
            shown &= QRect(parent->mapTo(root, QPoint(0, 0)), parent->size());
        const QRect drawn = Drawn(widget).translated(widget->parentWidget()->mapTo(root, QPoint(0, 0)));
        if (!shown.contains(drawn))
            problems[name + QStringLiteral(" out")] = {
                drawn.width() * drawn.height() - (drawn & shown).width() * (drawn & shown).height(),
                QStringLiteral("%1 is cut off by the window or a panel it lies in").arg(room->Text)};
    }
    // Two texts of one parent whose drawn extents overlap: one runs into
    // the other.
    for (QWidget* one : texts)
        for (QWidget* other : texts)
            if (NameOf(root, one) < NameOf(root, other) && one->parentWidget() == other->parentWidget() &&
                Drawn(one).intersects(Drawn(other)))
                problems[NameOf(root, one) + QStringLiteral(" meets ") + NameOf(root, other)] = {
                    (Drawn(one) & Drawn(other)).width(),
                    QStringLiteral("%1 runs into %2").arg(RoomOf(one)->Text, RoomOf(other)->Text)};
}

// The status bar's panels: a row number of the tallest board, and each
// status tip of the menus as the pointer passes over its item.
void MeasureStatusBar(TMainForm& form, TProblems& problems)
{
    auto* panels = form.findChild<TStatusPanels*>();
    const QFontMetrics metrics(panels->font());
    const auto measure = [&](int panel, const QString& key, const QString& text) {
        const int available = panels->PanelRect(panel).width() - 5;
        const int needed = metrics.horizontalAdvance(text);
        if (needed > available)
            problems[key] = {needed - available,
                             QStringLiteral("%1 needs %2 px, has %3").arg(text).arg(needed).arg(available)};
    };
    measure(0, QStringLiteral("status row"), QCoreApplication::translate("peglore::TMainForm", "Row: %1").arg(15));
    for (QAction* action : form.findChildren<QAction*>())
        if (!action->statusTip().isEmpty())
            measure(1, QStringLiteral("status tip of ") + action->objectName(), action->statusTip());
}

// A picture of the window for a person to look at, when PEGLORE_FIT_SHOTS
// names a folder.
void KeepPicture(QWidget& window, const QString& language)
{
    const QString folder = qEnvironmentVariable("PEGLORE_FIT_SHOTS");
    if (!folder.isEmpty())
        window.grab().save(QStringLiteral("%1/%2-%3.png")
                               .arg(folder, language.isEmpty() ? QStringLiteral("en") : language,
                                    QString::fromLatin1(window.metaObject()->className()).remove(QStringLiteral("peglore::"))));
}

TProblems ProblemsIn(const QString& language)
{
    const TPlayerLanguage spoken(language);
    TProblems problems;
    TRecordingHelp help;
    const auto measure = [&](QWidget& window) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        Measure(&window, problems);
        KeepPicture(window, language);
        window.hide();
    };
    {
        TfrmAbout about(help);
        measure(about);
        TfrmProperties properties(help);
        measure(properties);
        TfrmCustomBoard custom(help);
        measure(custom);
        TfrmCorrectAnswer answer(help);
        measure(answer);
        TfrmVariant variant(help);
        measure(variant);
        TfrmDailyResult daily(help);
        measure(daily);
        TfrmCodeBreaker breaker(help, 5, 10);
        measure(breaker);
        TfrmRecords records(help);
        measure(records);
        QTemporaryDir folder;
        TAnalysisWindow analysis(help, nullptr, folder.filePath(QStringLiteral("Peglore.ini")));
        measure(analysis);
    }
    // The narrowest board the written levels have.
    TActiveGame game("[Level Settings]\nDifficultyLevel=0\n");
    Measure(game.Form.get(), problems);
    KeepPicture(*game.Form, language);
    MeasureStatusBar(*game.Form, problems);
    return problems;
}

}  // namespace

class TestTextsFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(CatalogueLanguages().size() >= 10, qPrintable(CatalogueLanguages().join(QLatin1Char(' '))));
        FWritten = ProblemsIn(QString());
    }

    void everyTextFits_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : CatalogueLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyTextFits()
    {
        QFETCH(QString, language);
        const TProblems problems = ProblemsIn(language);
        QStringList found;
        // A translation may come as close as the English, never closer.
        for (auto it = problems.cbegin(); it != problems.cend(); ++it)
            if (it->Pixels > FWritten.value(it.key()).Pixels)
                found << it.key() + QStringLiteral(": ") + it->Words;
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    // Qt's own texts, such as the names of the keys the menus show beside
    // their items, come from Qt's catalogue of the same language.
    void qtSpeaksTheLanguageToo_data() { everyTextFits_data(); }
    void qtSpeaksTheLanguageToo()
    {
        QFETCH(QString, language);
        const auto key = [] { return QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText); };
        const QString english = key();
        const TPlayerLanguage spoken(language);
        QVERIFY2(key() != english, qPrintable(key()));
    }

private:
    TProblems FWritten;
};

QTEST_MAIN(TestTextsFit)
#include "TestTextsFit.moc"

#include "platform/help/THelpFile.h"
#include "platform/help/THelpMarkup.h"

#include <QtTest>

using namespace peglore;

namespace {

const char Links[] = "[topic 1]\ntitle=Links & <more>\n[topic 2]\ntitle=Second\n[topic 3]\ntitle=Third\n";

// The HTML of a topic with BODY, between the page's opening and closing.
QString BodyHtml(const std::string& body, THelpMarkup::TTarget target = THelpMarkup::TTarget::Window)
{
    THelpFile file = THelpFile::Parse(Links);
    THelpTopic topic{9, "T", {}, body};
    const QString page = QString::fromStdString(THelpMarkup::TopicHtml(topic, file, target));
    const QString head = "<html><body><h2>T</h2>";
    const QString tail = "</body></html>";
    if (!page.startsWith(head) || !page.endsWith(tail))
        return "unexpected page: " + page;
    return page.mid(head.size(), page.size() - head.size() - tail.size());
}

}  // namespace

class TestHelpMarkup : public QObject {
    Q_OBJECT

private slots:
    void blocksAndInline_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("html");
        QTest::newRow("paragraphs joined and split") << "One\ntwo\n\nThree"
                                                     << "<p>One two</p><p>Three</p>";
        QTest::newRow("heading") << "! Rules\nText"
                                 << "<h3>Rules</h3><p>Text</p>";
        QTest::newRow("list with continuation")
            << "Intro\n* first\n  still first\n* second\nAfter"
            << "<p>Intro</p><ul><li>first still first</li><li>second</li></ul><p>After</p>";
        QTest::newRow("bold") << "a **b** c"
                              << "<p>a <b>b</b> c</p>";
        QTest::newRow("bold left open is closed") << "a **b\n\nc"
                                                  << "<p>a <b>b</b></p><p>c</p>";
        QTest::newRow("escaped markup") << "\\*\\*x\\*\\* \\[[2]] \\\\ \\! a"
                                        << "<p>**x** [[2]] \\ ! a</p>";
        QTest::newRow("heading marker needs a blank") << "!Bang"
                                                      << "<p>!Bang</p>";
        QTest::newRow("link by title") << "See [[1]]."
                                       << "<p>See <a href=\"topic:1\">Links &amp; &lt;more&gt;</a>.</p>";
        QTest::newRow("link with words") << "[[ 2 | the second ]]"
                                         << "<p><a href=\"topic:2\">the second</a></p>";
        QTest::newRow("link to missing topic") << "[[77|gone]] [[78]]"
                                               << "<p>gone topic 78</p>";
        QTest::newRow("not a link") << "[[x]] [[2"
                                    << "<p>[[x]] [[2</p>";
        QTest::newRow("html escaped") << "<script>alert('x')</script> & \"q\""
                                      << "<p>&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; &quot;q&quot;</p>";
        QTest::newRow("tags in link words") << "[[2|<img src=x>]]"
                                            << "<p><a href=\"topic:2\">&lt;img src=x&gt;</a></p>";
        QTest::newRow("control characters") << "a\tb\x01"
                                               "c\x7F"
                                            << "<p>a b c </p>";
    }

    void blocksAndInline()
    {
        QFETCH(QString, body);
        QFETCH(QString, html);
        QCOMPARE(BodyHtml(body.toStdString()), html);
    }

    void popupLinksArePlainText()
    {
        QCOMPARE(BodyHtml("See [[2]] and [[3|this]].", THelpMarkup::TTarget::Popup),
                 QString("<p>See Second and this.</p>"));
    }

    void titleAndMessageAreEscaped()
    {
        const THelpFile file = THelpFile::Parse(Links);
        QCOMPARE(QString::fromStdString(THelpMarkup::TopicHtml(*file.Find(1), file, THelpMarkup::TTarget::Window)),
                 QString("<html><body><h2>Links &amp; &lt;more&gt;</h2></body></html>"));
        QCOMPARE(QString::fromStdString(THelpMarkup::MessageHtml("<b>", "a & b")),
                 QString("<html><body><h2>&lt;b&gt;</h2><p>a &amp; b</p></body></html>"));
    }
};

QTEST_GUILESS_MAIN(TestHelpMarkup)
#include "TestHelpMarkup.moc"

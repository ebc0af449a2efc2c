// The translation files themselves: every translation keeps the placeholders and the
// keyboard mnemonic of its English text, and the texts of the application, the widgets
// and Preferences are translated in every language.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace
{
struct CMessage
{
    QString context;
    QString source;
    QStringList translations;  // one, or one per numerus form
    bool unfinished = false;
};

QList<CMessage> readTs(const QString& path, QString* language)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&file);
    QList<CMessage> out;
    QString context;
    CMessage message;
    while (!xml.atEnd())
    {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS"))
            *language = xml.attributes().value(QLatin1String("language")).toString();
        else if (name == QLatin1String("name"))
            context = xml.readElementText();
        else if (name == QLatin1String("message"))
            message = CMessage{context, {}, {}, false};
        else if (name == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (name == QLatin1String("translation"))
        {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            message.unfinished = type == QLatin1String("unfinished") || type == QLatin1String("vanished") ||
                                 type == QLatin1String("obsolete");
            // Numerus forms come as <numerusform> children; a plain translation is text.
            QStringList forms;
            QString text;
            while (!(xml.isEndElement() && xml.name() == QLatin1String("translation")) && !xml.atEnd())
            {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    forms << xml.readElementText();
                else if (xml.isCharacters())
                    text += xml.text();
            }
            message.translations = forms.isEmpty() ? QStringList{text} : forms;
            out << message;
        }
    }
    return out;
}

// %1..%99 and %n in any order; printf's conversions (%s, %d, %u, %lld, %%) in their order,
// since the core fills them in that order.
QStringList qtPlaceholders(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("%(\\d{1,2}|n)"));
    QStringList out;
    for (auto it = re.globalMatch(text); it.hasNext();) out << it.next().captured(0);
    out.sort();
    out.removeDuplicates();
    return out;
}
QStringList printfConversions(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("%(?:ll|l|h)?[sdiuxXcf%]"));
    QStringList out;
    for (auto it = re.globalMatch(text); it.hasNext();) out << it.next().captured(0);
    return out;
}
bool hasMnemonic(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("(^|[^&])&[^&\\s]"));
    return re.match(text).hasMatch();
}

QStringList tsFiles()
{
    const QDir folder(QStringLiteral(OBRIX_TRANSLATIONS_SOURCE_DIR));
    QStringList out;
    for (const QString& name : folder.entryList({QStringLiteral("obrix_*.ts")}, QDir::Files, QDir::Name))
        out << folder.filePath(name);
    return out;
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageHasItsFile();
    void translationsKeepPlaceholdersAndMnemonics_data();
    void translationsKeepPlaceholdersAndMnemonics();
};

void TestTranslations::everyLanguageHasItsFile()
{
    QStringList codes;
    for (const QString& path : tsFiles())
        codes << QFileInfo(path).completeBaseName().mid(int(qstrlen("obrix_")));
    QCOMPARE(codes, (QStringList{"de", "es", "it", "ja", "nl", "pt_BR", "sv"}));
}

void TestTranslations::translationsKeepPlaceholdersAndMnemonics_data()
{
    QTest::addColumn<QString>("path");
    for (const QString& path : tsFiles()) QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void TestTranslations::translationsKeepPlaceholdersAndMnemonics()
{
    QFETCH(QString, path);
    QString language;
    const QList<CMessage> messages = readTs(path, &language);
    QVERIFY2(!messages.isEmpty(), qPrintable(path));
    QVERIFY(!language.isEmpty());

    // Translated to the end: the texts of src/gui/app, src/gui/widgets and Preferences.
    const QStringList complete{QStringLiteral("apptexts"),        QStringLiteral("CAboutBox"),
                               QStringLiteral("CPreferencesDialog"), QStringLiteral("CPictureListBox"),
                               QStringLiteral("kitpalette"),      QStringLiteral("keptleaguetexts"),
                               QStringLiteral("History"),          QStringLiteral("editingtexts")};
    QStringList problems;
    for (const CMessage& m : messages)
    {
        const QString where = m.context + QStringLiteral(": ") + m.source.left(50);
        if (m.unfinished)
        {
            if (complete.contains(m.context)) problems << QStringLiteral("untranslated: ") + where;
            continue;
        }
        for (const QString& t : m.translations)
        {
            if (t.isEmpty())
            {
                problems << QStringLiteral("empty: ") + where;
                continue;
            }
            if (qtPlaceholders(t) != qtPlaceholders(m.source))
                problems << QStringLiteral("placeholders: ") + where + QStringLiteral(" -> ") + t;
            if (printfConversions(t) != printfConversions(m.source))
                problems << QStringLiteral("printf conversions: ") + where + QStringLiteral(" -> ") + t;
            if (hasMnemonic(m.source) != hasMnemonic(t))
                problems << QStringLiteral("mnemonic: ") + where + QStringLiteral(" -> ") + t;
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"

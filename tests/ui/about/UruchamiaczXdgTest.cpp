#include "Uruchamiacz.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using ampelor::StylOkna;

Q_DECLARE_METATYPE(ampelor::StylOkna)

namespace {

const QString kWww = QStringLiteral("iexplore.exe http://www.ampelor.example/");

} // namespace

// The platform's own program starter, with a fake xdg-open first on PATH that notes each call
// as one line, every argument in brackets.
class UruchamiaczXdgTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void shouldHandBrowserAddressToXdgOpen_data();
    void shouldHandBrowserAddressToXdgOpen();
    void shouldRefuseCommandLineItDoesNotRecognise_data();
    void shouldRefuseCommandLineItDoesNotRecognise();
    void shouldReportFailureWhenXdgOpenIsMissing();

  private:
    QString dziennik() const { return katalog_.filePath(QStringLiteral("xdg-open.log")); }
    QStringList wywolaniaXdgOpen() const;

    QTemporaryDir katalog_;
    QByteArray path_;
    std::unique_ptr<ampelor::Uruchamiacz> uruchamiacz_ = ampelor::utworzUruchamiaczSystemowy();
};

void UruchamiaczXdgTest::initTestCase()
{
    QVERIFY(katalog_.isValid());
    QFile skrypt(katalog_.filePath(QStringLiteral("xdg-open")));
    QVERIFY(skrypt.open(QIODevice::WriteOnly));
    // A single write per call, so that two calls cannot interleave their lines.
    skrypt.write("#!/bin/sh\n"
                 "printf '%s\\n' \"$(printf '[%s]' \"$@\")\" >> \"$0.log\"\n");
    skrypt.close();
    QVERIFY(skrypt.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    path_ = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(katalog_.path()) + ':' + path_);
}

void UruchamiaczXdgTest::cleanupTestCase()
{
    qputenv("PATH", path_);
}

void UruchamiaczXdgTest::init()
{
    QFile::remove(dziennik());
}

QStringList UruchamiaczXdgTest::wywolaniaXdgOpen() const
{
    QFile plik(dziennik());
    if (!plik.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(plik.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void UruchamiaczXdgTest::shouldHandBrowserAddressToXdgOpen_data()
{
    QTest::addColumn<QString>("wiersz");
    QTest::addColumn<StylOkna>("styl");
    QTest::addColumn<QString>("argumenty");

    QTest::newRow("web link, shown")
        << kWww << StylOkna::Normalny << QStringLiteral("[http://www.ampelor.example/]");
    QTest::newRow("mail link, hidden")
        << QStringLiteral("iexplore.exe mailto:kontakt@ampelor.example") << StylOkna::Ukryty
        << QStringLiteral("[mailto:kontakt@ampelor.example]");
    // A shell would run the command substitution and cut the line at the ampersand.
    QTest::newRow("characters a shell would act on")
        << QStringLiteral("iexplore.exe https://www.ampelor.example/$(touch%20x)?a=1&b=2")
        << StylOkna::Normalny
        << QStringLiteral("[https://www.ampelor.example/$(touch%20x)?a=1&b=2]");
}

void UruchamiaczXdgTest::shouldHandBrowserAddressToXdgOpen()
{
    QFETCH(QString, wiersz);
    QFETCH(StylOkna, styl);
    QFETCH(QString, argumenty);

    QVERIFY(uruchamiacz_->uruchom(wiersz.toStdString(), styl));
    QTRY_COMPARE(wywolaniaXdgOpen(), QStringList{argumenty});
}

void UruchamiaczXdgTest::shouldRefuseCommandLineItDoesNotRecognise_data()
{
    QTest::addColumn<QString>("wiersz");

    QTest::newRow("empty") << QString();
    QTest::newRow("program alone") << QStringLiteral("iexplore.exe");
    QTest::newRow("no address") << QStringLiteral("iexplore.exe ");
    QTest::newRow("another program") << QStringLiteral("notepad.exe http://www.ampelor.example/");
    QTest::newRow("longer program name")
        << QStringLiteral("xiexplore.exe http://www.ampelor.example/");
    QTest::newRow("two blanks") << QStringLiteral("iexplore.exe  http://www.ampelor.example/");
    QTest::newRow("two addresses")
        << QStringLiteral("iexplore.exe http://www.ampelor.example/ http://example.org/");
    QTest::newRow("local file") << QStringLiteral("iexplore.exe file:///etc/passwd");
    QTest::newRow("bare path") << QStringLiteral("iexplore.exe /etc/passwd");
    QTest::newRow("option of xdg-open") << QStringLiteral("iexplore.exe --help");
    QTest::newRow("address without scheme") << QStringLiteral("iexplore.exe www.ampelor.example");
}

void UruchamiaczXdgTest::shouldRefuseCommandLineItDoesNotRecognise()
{
    QFETCH(QString, wiersz);

    QVERIFY(!uruchamiacz_->uruchom(wiersz.toStdString(), StylOkna::Normalny));
    // Nothing was started: a recognised call made after it is the only one xdg-open sees.
    QVERIFY(uruchamiacz_->uruchom(kWww.toStdString(), StylOkna::Normalny));
    QTRY_COMPARE(wywolaniaXdgOpen(), QStringList{QStringLiteral("[http://www.ampelor.example/]")});
}

// What the about box reports as a browser that could not be started.
void UruchamiaczXdgTest::shouldReportFailureWhenXdgOpenIsMissing()
{
    const QTemporaryDir bezXdgOpen;
    QVERIFY(bezXdgOpen.isValid());
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bezXdgOpen.path()));
    const bool uruchomiony = uruchamiacz_->uruchom(kWww.toStdString(), StylOkna::Normalny);
    qputenv("PATH", path);
    QVERIFY(!uruchomiony);
}

QTEST_GUILESS_MAIN(UruchamiaczXdgTest)
#include "UruchamiaczXdgTest.moc"

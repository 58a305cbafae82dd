#include "StraznikModalny.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

StraznikModalny::StraznikModalny(QObject *parent) : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, &StraznikModalny::sprawdz);
    timer_.start(20);
}

void StraznikModalny::sprawdz()
{
    QWidget *modalne = QApplication::activeModalWidget();
    if (modalne == nullptr)
        return;
    if (!kolejka_.empty()) {
        const Obsluga obsluga = std::move(kolejka_.front());
        kolejka_.pop_front();
        QPointer<QWidget> obslugiwane = modalne;
        obsluga(modalne); // expected to close it before returning
        if (obslugiwane == nullptr || !obslugiwane->isVisible())
            return;
        nieoczekiwane_ << QStringLiteral("(left open by its handler)");
    }
    zamknij(modalne);
}

void StraznikModalny::zamknij(QWidget *modalne)
{
    QString opis = modalne->metaObject()->className() + QStringLiteral(" \"") +
                   modalne->windowTitle() + QLatin1Char('"');
    if (auto *komunikat = qobject_cast<QMessageBox *>(modalne))
        opis += QStringLiteral(": ") + komunikat->text();
    nieoczekiwane_ << opis;
    if (auto *dialog = qobject_cast<QDialog *>(modalne))
        dialog->reject();
    if (modalne->isVisible()) // a window that ignores Escape and reject()
        modalne->hide();
}

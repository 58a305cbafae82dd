#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

// Watches for modal windows while a test runs. Each expected one is handed to the next
// handler given to oczekuj(), which must close it before it returns; any other is recorded and
// rejected, so a stray message box fails the test instead of hanging the run.
class StraznikModalny : public QObject {
    Q_OBJECT
  public:
    using Obsluga = std::function<void(QWidget *modalne)>;

    explicit StraznikModalny(QObject *parent = nullptr);

    void oczekuj(Obsluga obsluga) { kolejka_.push_back(std::move(obsluga)); }
    int oczekiwanePozostale() const { return static_cast<int>(kolejka_.size()); }
    const QStringList &nieoczekiwane() const { return nieoczekiwane_; }

  private:
    void sprawdz();
    void zamknij(QWidget *modalne);

    QTimer timer_;
    std::deque<Obsluga> kolejka_;
    QStringList nieoczekiwane_;
};

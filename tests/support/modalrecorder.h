#ifndef RLAY_TEST_MODALRECORDER_H
#define RLAY_TEST_MODALRECORDER_H

// Answers every modal box and dialog the code under test opens, so no test
// ever blocks, and records what was shown.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QPushButton;
class QWidget;

class ModalRecorder
{
public:
    struct Shown
    {
        QString className; // the dialog's class, "QMessageBox" for boxes
        QString title;
        QString text;
        QStringList buttons; // a box's button texts
        QString defaultButton;
    };

    // Answers a dialog; returns the dialog's result code.
    using Answer = std::function<int(QDialog *)>;

    ModalRecorder();
    ~ModalRecorder();

    // Answers used in turn; when none are left, a box is closed with Escape
    // semantics (no button clicked) and a dialog is rejected.
    void answer(const Answer &answer);
    // Clicks the box button with this text ("&Yes", "&No", "&Cancel", "OK").
    void clickButton(const QString &text);
    // Runs a step on the dialog (fill fields, press its OK button); the
    // dialog's result afterwards is the answer.
    void handle(const std::function<void(QDialog *)> &step);
    void reject();

    QList<Shown> shown;
    QStringList texts() const;
    int count() const { return shown.size(); }
    void clear() { shown.clear(); }

private:
    QList<Answer> m_answers;
    Answer m_previous; // the answerer this one stands in for while it lives
};

// The texts of the message boxes shown, without the dialogs.
QStringList boxTexts(const ModalRecorder &rec);
// The push button with this text below the widget, or null.
QPushButton *buttonOf(QWidget *dialog, const QString &text);
// Clicks the dialog's button with this text, or its "Ok" button (a failed
// check when it has none).
void pressButton(QDialog *dialog, const QString &text);
void pressOk(QDialog *dialog);

#endif

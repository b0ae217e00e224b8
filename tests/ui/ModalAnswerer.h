#pragma once

#include <QMessageBox>
#include <QRect>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;

namespace veltrano::test {

// What a message box showed.
struct SeenMessage {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the program's modal windows while it waits in them, as a user would: in the
// language window it picks a language with the keyboard and clicks OK; a message box is read
// and closed with its OK button.
class ModalAnswerer {
  public:
    explicit ModalAnswerer(QString language = QStringLiteral("english"));
    ~ModalAnswerer();

    std::vector<SeenMessage> messages;
    int languageWindows = 0;
    QString languageWindowCaption;
    Qt::WindowFlags languageWindowFlags;
    QRect languageListGeometry;
    QRect okButtonGeometry;
    QSize languageWindowSize;
    QRect languageWindowFrame;
    // Called while the language window is open, before it is answered.
    std::function<void(QWidget& languageWindow)> whileLanguageWindowOpen;

  private:
    void answer();
    void answerLanguageWindow(QWidget& window);
    void answerMessage(QMessageBox& box);

    QString m_language;
    QTimer m_poll;
    bool m_answering = false;
};

}  // namespace veltrano::test

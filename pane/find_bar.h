#pragma once
// The find bar below the browser pane: a field, next and previous, the count of matches, and a
// close button. It knows nothing of the page: it asks for a search and shows the answer.
#include <QWidget>

class QLabel;
class QLineEdit;

class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);

    // Shows the bar with the field focused and its text selected, ready to be typed over.
    void open();
    // Shows the engine's answer: activeMatch counts from 1, matches is the number found.
    void showResult(int activeMatch, int matches);
    QLineEdit* field() const { return field_; }

signals:
    // An empty text asks for the highlight to go.
    void findRequested(const QString& text, bool backward);
    void closed();

private:
    void find(bool backward);
    void close();

    QLineEdit* field_;
    QLabel* count_;
    QString textWithMatches_;  // the text whose last answer found matches
};

#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// The record view's bar: first, previous, next and last buttons around a caption.
class DataControl : public QWidget
{
    Q_OBJECT

public:
    explicit DataControl(QWidget* parent = nullptr);

    QString caption() const;
    void setCaption(const QString& text);

signals:
    void firstClicked();
    void previousClicked();
    void nextClicked();
    void lastClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_first = nullptr;
    QToolButton* m_previous = nullptr;
    QToolButton* m_next = nullptr;
    QToolButton* m_last = nullptr;
    QLabel* m_caption = nullptr;
};

#pragma once

#include <QPushButton>

// A push button whose caption wraps at word boundaries when one line is too narrow for it,
// as the windows' narrow buttons were designed ("HELP ME" over two lines).
class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CommandButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

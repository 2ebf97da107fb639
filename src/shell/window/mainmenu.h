#pragma once
#include <QWidget>

namespace mx::shell {

// The main menu MX5100: the hub that opens every module.
class MainMenu : public QWidget {
    Q_OBJECT
public:
    explicit MainMenu(QWidget* parent = nullptr);
};

}  // namespace mx::shell

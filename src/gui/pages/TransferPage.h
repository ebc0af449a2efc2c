#pragma once

#include <QWidget>

class CObrixApp;

class CTransferPage : public QWidget
{
    Q_OBJECT

public:
    explicit CTransferPage(CObrixApp& app, QWidget* parent = nullptr);
};

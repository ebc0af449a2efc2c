#pragma once

#include <QWidget>

class CObrixApp;

class CStatsPage : public QWidget
{
    Q_OBJECT

public:
    explicit CStatsPage(CObrixApp& app, QWidget* parent = nullptr);
};

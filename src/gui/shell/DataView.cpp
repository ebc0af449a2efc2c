#include "shell/DataView.h"

#include "shell/DataPropSheet.h"

#include <QVBoxLayout>

CDataView::CDataView(CObrixApp& app, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_sheet = new CDataPropSheet(app, this);
    layout->addWidget(m_sheet);
}

CDataPropSheet* CDataView::sheet() const { return m_sheet; }

#include "editor/coptionssheet.h"

#include "editor/editoroptions.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

QStringList COptionsSheet::presetNames()
{
    return {QStringLiteral("Impostazioni di sistema"),
            QStringLiteral("Massima velocità d'esecuzione"),
            QStringLiteral("Buona velocità d'esecuzione"),
            QStringLiteral("Media qualità (impostazione predefinita)"),
            QStringLiteral("Buona qualità delle immagini"),
            QStringLiteral("Massima qualità delle immagini")};
}

QString COptionsSheet::presetDescription(int index)
{
    switch (index) {
    case 0:
        return QStringLiteral(
            "La qualità delle immagini dipende dalle impostazioni del sistema. Generalmente questa "
            "combinazione offre una buona velocità di esecuzione a scapito della qualità delle "
            "immagini prodotte.");
    case 1:
        return QStringLiteral(
            "Questa combinazione permette di ottenere la massima velocità possibile sacrificando "
            "la "
            "qualità delle immagini prodotte. E' consigliabile solo su sistemi particolarmente "
            "lenti o per progetti enormemente complessi.\n\n - Nessuna ottimizzazione per le righe "
            "oblique.\n - Disegno del testo normale.\n - Calcolo delle trasparenze di bassa "
            "qualità.\n - Nessun aggiustamento nella dimensione dei pixel.");
    case 2:
        return QStringLiteral(
            "Questa combinazione permette di ottenere una buona velocità di esecuzione "
            "sacrificando, in larga misura, la qualità delle immagini prodotte. E' consigliabile "
            "solo su sistemi particolarmente lenti o per progetti enormemente complessi.\n\n - "
            "Minima ottimizzazione per le righe oblique.\n - Disegno del testo normale.\n - "
            "Calcolo "
            "delle trasparenze di bassa qualità.\n - Aggiustamento minimo nella dimensione dei "
            "pixel.");
    case 3:
        return QStringLiteral(
            "Questa combinazione rappresenta l'impostazione predefinita del programma. E' un "
            "compromesso tra velocità di disegno e qualità delle immagini prodotte, è indicata "
            "nella maggioranza dei casi per tutte le fasi del progetto.\n\n - Righe oblique con "
            "anti-alias.\n - Disegno del testo normale.\n - Calcolo delle trasparenze di ottima "
            "qualità.\n - Dimensione dei pixel normale.");
    case 4:
        return QStringLiteral(
            "Questa combinazione è mirata ad ottenere un'alta qualità delle immagini prodotte "
            "badando pochissimo alla velocità. E' consigliata solo su sistemi abbastanza potenti "
            "oppure per progetti di dimensione medio-piccola.\n\n - Righe oblique con anti-alias."
            "\n - Disegno del testo normale.\n - Calcolo delle trasparenze di alta qualità.\n - "
            "Dimensione dei pixel ottimizzata.");
    case 5:
        return QStringLiteral(
            "Questa combinazione ha come obiettivo primario la qualità delle immagini prodotte, "
            "senza badare alla velocità di disegno. E' consigliabile solo su sistemi adeguatamente "
            "potenti oppure per progetti estremamente piccoli (poche stanze con poco arredo). Le "
            "immagini esportate dal programma sono prodotte in questa modalità.");
    default:
        return QStringLiteral("Nessuna configurazione selezionata.");
    }
}

COptionsSheet::COptionsSheet(EditorOptions &options, ForceInsideFlags &force, bool showFullOptions,
                             QWidget *parent)
    : QDialog(parent), m_options(options), m_force(force), m_tabs(new QTabWidget(this))
{
    setWindowTitle(QStringLiteral("Opzioni"));
    if (showFullOptions)
        m_tabs->addTab(buildGeneralPage(), QStringLiteral("Generale"));
    m_tabs->addTab(buildPerformancePage(), QStringLiteral("Prestazioni"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);
}

QWidget *COptionsSheet::buildGeneralPage()
{
    auto *page = new QWidget(this);
    const auto box = [&](const char *id, const char *text, int *option, QWidget *parent) {
        auto *check = new QCheckBox(QString::fromUtf8(text), parent);
        check->setObjectName(QString::fromLatin1(id));
        check->setChecked(*option != 0);
        m_boxes.push_back({check, option});
        return check;
    };
    auto *drawing = new QGroupBox(QStringLiteral("Durante il disegno"), page);
    auto *drawingLayout = new QVBoxLayout(drawing);
    drawingLayout->addWidget(box("1201", "Forza il disegno delle &stanze all'interno del foglio",
                                 &m_options.ForceInside, drawing));
    drawingLayout->addWidget(box("1202", "Forza il disegno degli &oggetti all'interno del foglio",
                                 &m_force.objects, drawing));
    drawingLayout->addWidget(box("1203", "Forza il disegno delle &immagini all'interno del foglio",
                                 &m_force.images, drawing));
    drawingLayout->addWidget(
        box("1204", "Forza il disegno delle p&rimitive grafiche all'interno del foglio",
            &m_force.primitives, drawing));
    drawingLayout->addWidget(box("1206",
                                 "&Esegui tutti i controlli durante le operazioni sugli oggetti",
                                 &m_options.CheckPosAlways, drawing));
    auto *order = new QVBoxLayout;
    order->addWidget(box("1205", "&Porta in primo piano le stanze selezionate",
                         &m_options.BringToFrontOnClick, page));
    order->addWidget(
        box("1208", "&Disegna le porte sempre in primo piano", &m_options.IgnoreZOrderHoles, page));
    order->addWidget(box("1209", "Disegna gli ogge&tti e le immagini sempre in primo piano",
                         &m_options.IgnoreZOrderImages, page));
    auto *exporting = new QGroupBox(QStringLiteral("Esportazione"), page);
    auto *exportLayout = new QVBoxLayout(exporting);
    exportLayout->addWidget(box("1207", "Restringi i formati disponibili per l'esporta&zione",
                                &m_options.RestrictExports, exporting));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(drawing);
    layout->addLayout(order);
    layout->addWidget(exporting);
    layout->addStretch(1);
    return page;
}

QWidget *COptionsSheet::buildPerformancePage()
{
    auto *page = new QWidget(this);
    m_presets = new QListWidget(page);
    m_presets->setObjectName(QStringLiteral("1094"));
    m_presets->addItems(presetNames());
    m_description = new QLabel(page);
    m_description->setObjectName(QStringLiteral("1077"));
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_description->setMinimumSize(300, 180);
    m_description->setFrameShape(QFrame::StyledPanel);
    m_description->setMargin(6);
    connect(m_presets, &QListWidget::currentRowChanged, this,
            [this](int row) { m_description->setText(presetDescription(row)); });
    if (m_options.Performance >= 0 && m_options.Performance < m_presets->count())
        m_presets->setCurrentRow(m_options.Performance);
    else
        m_description->setText(presetDescription(-1));
    auto *label = new QLabel(QStringLiteral("&Qualità del disegno:"), page);
    label->setBuddy(m_presets);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(label);
    auto *row = new QHBoxLayout;
    row->addWidget(m_presets, 1);
    row->addWidget(m_description, 1);
    layout->addLayout(row, 1);
    return page;
}

void COptionsSheet::addPage(QWidget *page, const QString &title, std::function<void()> apply)
{
    m_tabs->addTab(page, title);
    if (apply)
        m_appliers.push_back(std::move(apply));
}

QStringList COptionsSheet::pageTitles() const
{
    QStringList titles;
    for (int i = 0; i < m_tabs->count(); ++i)
        titles << m_tabs->tabText(i);
    return titles;
}

void COptionsSheet::accept()
{
    for (const Box &b : m_boxes)
        *b.option = b.box->isChecked() ? 1 : 0;
    if (m_presets->currentRow() >= 0)
        m_options.Performance = m_presets->currentRow();
    for (const auto &apply : m_appliers)
        apply();
    QDialog::accept();
}

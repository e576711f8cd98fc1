#include "app/pages/PaginaConfBal.h"

#include "app/pages/EstiloPagina.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace mvf {

namespace {

// The software of the Ramuza scales asks for these to import a load.
const char* const kUsuarioRamuza = "SUPERVISOR";
const char* const kSenhaRamuza = "142536";

QCheckBox* criarChave(const QString& texto, const char* nome, QWidget* parent) {
    auto* chave = new QCheckBox(texto, parent);
    chave->setObjectName(nome);
    return chave;
}

} // namespace

PaginaConfBal::PaginaConfBal(T_frmFerramentasMv&, QWidget* parent)
    : QWidget(parent), _lytConfBal(new QStackedWidget(this)) {
    setObjectName("_abaConfBal");
    _lytConfBal->setObjectName("_lytConfBal");

    // View 0: the settings.
    auto* configuracao = new QWidget;
    auto* l0 = new QVBoxLayout(configuracao);
    l0->addWidget(CriarTituloPagina("Configurações", configuracao));

    auto* dados = new QGroupBox("Dados", configuracao);
    auto* formDados = new QFormLayout(dados);
    _cbbModelo = new QComboBox(dados);
    _cbbModelo->setObjectName("_cbbModelo");
    _edtDiretorio = new QLineEdit(dados);
    _edtDiretorio->setObjectName("_edtDiretorio");
    QAction* escolher =
        _edtDiretorio->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
    escolher->setObjectName("_edtDiretorioBotao");
    escolher->setToolTip("Selecione o diretório onde serão gerados os arquivos:");
    _cbbCampo = new QComboBox(dados);
    _cbbCampo->setObjectName("_cbbCampo");
    _cbbCampo->addItems({"CodigoOriginal", "Codigo", "CodigoFabricante"});
    _cbbCampo->setCurrentIndex(0);
    formDados->addRow("Modelo", _cbbModelo);
    formDados->addRow("Diretório onde serão gerados os arquivos", _edtDiretorio);
    formDados->addRow("Campo", _cbbCampo);
    l0->addWidget(dados);

    auto* monitoramento = new QGroupBox("Monitoramento", configuracao);
    auto* formMonitor = new QFormLayout(monitoramento);
    _swtchMonitorDeCarga = criarChave("Ativa monitoramento de pasta", "_swtchMonitorDeCarga", monitoramento);
    _swtchIniciaWin = criarChave("Iniciar Junto com Windows", "_swtchIniciaWin", monitoramento);
    _edtTimerMonitor = new QSpinBox(monitoramento);
    _edtTimerMonitor->setObjectName("_edtTimerMonitor");
    // At least a minute: with no pause the monitor would call the ERP without rest.
    _edtTimerMonitor->setRange(1, 1440);
    _edtTimerMonitor->setValue(3);
    _edtTimerMonitor->setKeyboardTracking(false);
    _lblUltimoMonitoramento = new QLabel(monitoramento);
    _lblUltimoMonitoramento->setObjectName("_lblUltimoMonitoramento");
    _lblUltimoMonitoramento->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    formMonitor->addRow(_swtchMonitorDeCarga);
    formMonitor->addRow(_swtchIniciaWin);
    formMonitor->addRow("Intervalo de verificação Min.", _edtTimerMonitor);
    formMonitor->addRow(_lblUltimoMonitoramento);
    l0->addWidget(monitoramento);

    _btn1 = new QPushButton("Salvar", configuracao);
    _btn1->setObjectName("_btn1");
    l0->addWidget(_btn1, 0, Qt::AlignLeft);

    _lblAtencao = new QLabel(MarcacaoParaHtml(TextoAtencao()), configuracao);
    _lblAtencao->setObjectName("_lblAtencao");
    _lblAtencao->setTextFormat(Qt::RichText);
    _lblAtencao->setAlignment(Qt::AlignCenter);
    _lblAtencao->setWordWrap(true);
    l0->addWidget(_lblAtencao);

    _lblDicaRamuza = new QLabel(TextoDicaRamuza(), configuracao);
    _lblDicaRamuza->setObjectName("_lblDicaRamuza");
    QFont italico = _lblDicaRamuza->font();
    italico.setItalic(true);
    _lblDicaRamuza->setFont(italico);
    l0->addWidget(_lblDicaRamuza);
    l0->addStretch();

    // View 1: the load.
    auto* geracao = new QWidget;
    auto* l1 = new QVBoxLayout(geracao);
    auto* titulo = new QLabel("Carga para balança!", geracao);
    titulo->setObjectName("_lblTituloCarga");
    titulo->setAlignment(Qt::AlignCenter);
    titulo->setStyleSheet("font-size: 22px; font-weight: bold; color: rgb(37,73,104);");
    l1->addStretch();
    l1->addWidget(titulo);
    auto* grupo = new QWidget(geracao);
    auto* lg = new QVBoxLayout(grupo);
    _btn2 = new QPushButton("Gerar arquivo", grupo);
    _btn2->setObjectName("_btn2");
    _lblData = new QLabel("Útima garga : 00/00/0000 00:00:00", grupo);
    _lblData->setObjectName("_lblData");
    _lblUltimaSincFrente = new QLabel("Útima sincronização do frente de caixa : 00/00/0000 00:00:00", grupo);
    _lblUltimaSincFrente->setObjectName("_lblUltimaSincFrente");
    for (QWidget* w : std::initializer_list<QWidget*>{_btn2, _lblData, _lblUltimaSincFrente})
        lg->addWidget(w, 0, Qt::AlignHCenter);
    l1->addWidget(grupo, 0, Qt::AlignHCenter);
    l1->addStretch();
    _pro1 = new QProgressBar(geracao);
    _pro1->setObjectName("_pro1");
    _pro1->setTextVisible(true);
    _pro1->setRange(0, 100);
    _pro1->setValue(0);
    _pro1->setFormat("...");
    l1->addWidget(_pro1);

    _lytConfBal->addWidget(configuracao);
    _lytConfBal->addWidget(geracao);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(_lytConfBal);

    connect(_edtTimerMonitor, &QSpinBox::valueChanged, this,
            [this](int valor) { intervaloMonitor_.store(valor); });
    connect(_btn1, &QPushButton::clicked, this, &PaginaConfBal::salvarClicado);
    connect(_btn2, &QPushButton::clicked, this, &PaginaConfBal::gerarArquivoClicado);
    connect(escolher, &QAction::triggered, this, &PaginaConfBal::escolherPastaClicado);
    CargaBal1.SetOnProgresso(
        [this](std::string Mensagem, int atual, int total) { CargaBal1Progresso(Mensagem, atual, total); });
}

void PaginaConfBal::SelecionarSubPagina(int indice) {
    _lytConfBal->setCurrentIndex(indice);
}

int PaginaConfBal::SubPaginaAtiva() const {
    return _lytConfBal->currentIndex();
}

void PaginaConfBal::MostrarMarca(const std::string& marca) {
    QString texto = QString::fromStdString(marca);
    QMetaObject::invokeMethod(
        this, [this, texto] { _swtchMonitorDeCarga->setToolTip(texto); }, Qt::AutoConnection);
}

void PaginaConfBal::CargaBal1Progresso(const std::string& Mensagem, int ProgressoAtual, int ProgressoTotal) {
    _pro1->setFormat(QString::fromStdString(Mensagem));
    _pro1->setMaximum(ProgressoTotal);
    _pro1->setValue(ProgressoAtual);
    QCoreApplication::processEvents();
}

QString PaginaConfBal::TextoAtencao() {
    return QStringList{"[B][COLOR=#FF0000]ATENÇÃO[/COLOR][/B]",
                       "para definir os dias de validade, escreva no final da descrição do produto a "
                       "palavra[B][COLOR=#FF0000] "
                       "VC10[/COLOR][/B]  onde [B][COLOR=#FF0000] VC[/COLOR][/B] indicar a validade e o "
                       "[B][COLOR=#FF0000]10[/COLOR][/B] indica número de dias que o produto vencerá!",
                       "[B][COLOR=#FF0000]COLOQUE A TAXA NO CAMPO CODIGO DE FABRICANTE \"0,000\"[/COLOR][/B]",
                       "exemplo",
                       "[I][COLOR=#3C3C3C]NOME DO PRODUTO VC30[/COLOR][/I]",
                       "",
                       ""}
        .join("\n");
}

QString PaginaConfBal::MarcacaoParaHtml(const QString& marcacao) {
    QString html = marcacao.toHtmlEscaped();
    html.replace("[B]", "<b>").replace("[/B]", "</b>");
    html.replace("[I]", "<i>").replace("[/I]", "</i>");
    html.replace("[/COLOR]", "</span>");
    static const QRegularExpression cor(R"(\[COLOR=(#[0-9A-Fa-f]{6})\])");
    html.replace(cor, R"(<span style="color:\1">)");
    // Blanks are kept as typed (two in a row included).
    html.replace("  ", "&nbsp; ");
    html.replace("\n", "<br>");
    return html;
}

QString PaginaConfBal::TextoDicaRamuza() {
    return QString("Dica RAMUZA : Usuario : %1 - Senha : %2").arg(kUsuarioRamuza, kSenhaRamuza);
}

} // namespace mvf

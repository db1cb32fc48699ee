#include "sync/Form1.h"

#include <QFont>
#include <QIcon>

#include "platform/Platform.h"
#include "platform/TextCase.h"
#include "startup/IniciarSistema.h"
#include "startup/ProgramState.h"
#include "sync/ComponerEstado.h"
#include "sync/Imagenes.h"

namespace tramvel {
namespace {

// The exit status of a start whose main connection could not be opened.
constexpr int kSinBaseDeDatos = 2;

// Design-time positions are in twips; the window is laid out at 96 dpi.
constexpr int Px(int twips) { return twips * 96 / 1440; }

void Colocar(QWidget& control, int left, int top, int width, int height) {
  control.setGeometry(Px(left), Px(top), Px(width), Px(height));
}

// A graphical button on Windows shows its picture above its caption.
void PrepararBoton(QToolButton& boton, const char* nombre, const char* texto, const QPixmap& imagen, int left) {
  boton.setObjectName(nombre);
  boton.setText(texto);
  boton.setIcon(QIcon(imagen));
  boton.setIconSize(imagen.size());
  boton.setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  Colocar(boton, left, 120, 975, 615);
}

}  // namespace

Form1::Form1(ProgramState& programa, QWidget* parent)
    : QWidget(parent),
      programa_(programa),
      cmdSubir_(this),
      cmdDescargar_(this),
      img1_(this),
      lblEspere_(this),
      lblInfo_(this),
      timer1_(this),
      sincronizacion_(programa, VistaTrabajo{[this](const std::string& texto) { Rotulo(texto); },
                                             [this](const std::string& l1, const std::string& l2,
                                                    const std::string& l3) { Estado(l1, l2, l3); }}) {
  setObjectName("Form1");
  setWindowTitle(QString::fromUtf8("Sincronización FTP"));
  setWindowIcon(QIcon(IconoVentana()));
  setFixedSize(Px(3870), Px(2220));
  QFont fuente("Calibri");
  fuente.setPointSizeF(9.75);
  fuente.setWeight(QFont::Normal);
  setFont(fuente);

  PrepararBoton(cmdSubir_, "CmdSubir", "Subir", ImagenSubir(), 840);
  PrepararBoton(cmdDescargar_, "CmdDescargar", "Descargar", ImagenDescargar(), 2040);
  QWidget::setTabOrder(&cmdSubir_, &cmdDescargar_);

  img1_.setObjectName("Img1");
  img1_.setPixmap(ImagenEspera());
  Colocar(img1_, 840, 840, 480, 480);
  img1_.hide();

  lblEspere_.setObjectName("LblEspere");
  lblEspere_.setText("Cargando Espere...");
  Colocar(lblEspere_, 1440, 960, 1515, 225);
  lblEspere_.hide();

  lblInfo_.setObjectName("LblInfo");
  lblInfo_.setText("...");
  lblInfo_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblInfo_.setWordWrap(true);
  lblInfo_.setAutoFillBackground(true);
  lblInfo_.setBackgroundRole(QPalette::Base);
  lblInfo_.setForegroundRole(QPalette::Text);
  Colocar(lblInfo_, 0, 1440, 3855, 735);

  timer1_.setObjectName("Timer1");
  timer1_.setInterval(1000);
  timer1_.stop();

  connect(&cmdSubir_, &QToolButton::clicked, this, [this] { CmdSubir_Click(); });
  connect(&cmdDescargar_, &QToolButton::clicked, this, [this] { CmdDescargar_Click(); });
  connect(&timer1_, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

std::optional<int> Form1::Form_Load() {
  std::string lineaComando;
  std::string conexionInicial;
  // Without its database the program ends at once, window or job alike;
  // the session has told why.
  if (!IniciarSistema(programa_, false, lineaComando, conexionInicial, 3)) return kSinBaseDeDatos;
  const std::string& parametro = programa_.gParametroAdicional;
  if (parametro.empty()) return std::nullopt;
  if (EqualsIgnoreCase(parametro, "SUBIR")) {
    CmdSubir_Click();
    return ultimoResultado_.EstadoSalida();
  }
  if (EqualsIgnoreCase(parametro, "DESCARGAR")) {
    CmdDescargar_Click();
    return ultimoResultado_.EstadoSalida();
  }
  return std::nullopt;
}

void Form1::CmdSubir_Click() { Ejecutar(true); }

void Form1::CmdDescargar_Click() { Ejecutar(false); }

void Form1::Ejecutar(bool subir) {
  // A click delivered while a job pumps events would start a second job
  // inside the first one's wait; no operator wants that.
  cmdSubir_.setEnabled(false);
  cmdDescargar_.setEnabled(false);
  timer1_.start();
  Sincronizar(subir);
  timer1_.stop();
  lblEspere_.hide();
  img1_.hide();
  cmdSubir_.setEnabled(true);
  cmdDescargar_.setEnabled(true);
}

void Form1::Timer1_Timer() {
  parpadeo_ = !parpadeo_;
  lblEspere_.setVisible(!parpadeo_);
  img1_.setVisible(!parpadeo_);
}

void Form1::Sincronizar(bool subir) { ultimoResultado_ = sincronizacion_.Sincronizar(subir); }

void Form1::Estado(const std::string& l1, const std::string& l2, const std::string& l3) {
  programa_.platform().Write(OutputStream::kStandardOutput, ComponerEstado(l1, l2, l3) + "\n");
}

void Form1::Rotulo(const std::string& texto) {
  // The job writes Windows line ends; a label breaks lines at "\n" alone.
  lblInfo_.setText(QString::fromStdString(texto).replace("\r\n", "\n"));
  lblInfo_.repaint();
}

}  // namespace tramvel

#pragma once

#include <string>

namespace tramvel {

// The name under which a form's access is looked up and recorded: a few
// forms stand for another one, and some record no task at all.
struct FormularioDeAcceso {
  std::string nombre;
  bool sinTarea = false;  // the task lookup is skipped
};

// The lookup name of `formulario`, compared without regard to case.
FormularioDeAcceso BuscarFormulario(const std::string& formulario);

}  // namespace tramvel

// How long the job's wait costs for a program that ends at once: the wait
// keeps its passes, but its one-second sleep ends when the program does.
//
//   build/bench/wait_bench [RUNS]   (default 20)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/StepRunner.h"
#include "platform/RealPlatform.h"
#include "sync/EjecutarYEsperar.h"

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
  auto platform = tramvel::NewRealPlatform({"", std::nullopt, nullptr});
  tramvel::EjecutarYEsperar programas(*platform, [](const std::string&) {});
  tramvel::StepRunner pasos(tramvel::StepRunner::GivingUp());
  double total = 0;
  double worst = 0;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const auto proceso = programas.Iniciar(pasos, "/bin/true ARG");
    programas.Esperar(pasos, proceso, "antes", "despues");
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    total += ms;
    worst = std::max(worst, ms);
  }
  std::printf("%d waits for /bin/true: mean %.2f ms, worst %.2f ms (a fixed one-second sleep would cost 1000 ms each)\n",
              runs, total / runs, worst);
  return 0;
}

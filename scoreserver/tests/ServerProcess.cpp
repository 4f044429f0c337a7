// Starting wtrq-scores as a child process and reading its port from the first line it prints.
#include "ServerProcess.h"

#include <csignal>
#include <cstdio>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace scores::testing {

ServerProcess::ServerProcess(const std::string& program, const std::vector<std::string>& options,
                             const std::vector<std::string>& launcher) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) throw std::runtime_error("pipe failed");
  std::vector<std::string> arguments = launcher;
  arguments.insert(arguments.end(), {program, "--listen", "127.0.0.1:0"});
  arguments.insert(arguments.end(), options.begin(), options.end());
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    ::dup2(pipeEnds[1], STDOUT_FILENO);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(pipeEnds[1]);
  // "wtrq-scores: serving http://127.0.0.1:PORT/teamweb/wtrq/ from ..."
  std::string line;
  char c;
  while (::read(pipeEnds[0], &c, 1) == 1 && c != '\n') line.push_back(c);
  ::close(pipeEnds[0]);
  auto at = line.find("127.0.0.1:");
  if (at == std::string::npos) {
    wait();
    throw std::runtime_error("wtrq-scores did not start: \"" + line + "\"");
  }
  port_ = static_cast<unsigned short>(std::stoi(line.substr(at + 10)));
}

ServerProcess::~ServerProcess() {
  if (!ended_) {
    signal(SIGKILL);
    wait();
  }
}

void ServerProcess::signal(int number) { ::kill(pid_, number); }

int ServerProcess::wait() {
  int status = 0;
  ::waitpid(pid_, &status, 0);
  ended_ = true;
  return status;
}

}  // namespace scores::testing

// A wtrq-scores program started by a test on a free loopback port, stopped or killed on demand.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace scores::testing {

class ServerProcess {
 public:
  // Starts the program with "--listen 127.0.0.1:0" and the given options, and waits for
  // the line that names the port it got; throws if it ends first.
  // A launcher (such as prlimit and its options) runs the program when given.
  ServerProcess(const std::string& program, const std::vector<std::string>& options,
                const std::vector<std::string>& launcher = {});
  ~ServerProcess();

  unsigned short port() const { return port_; }
  pid_t pid() const { return pid_; }
  void signal(int number);
  // Waits for the program to end and returns its wait status.
  int wait();

 private:
  pid_t pid_ = -1;
  unsigned short port_ = 0;
  bool ended_ = false;
};

}  // namespace scores::testing

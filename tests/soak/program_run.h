// The program as a child meets it: started on the toolkit's virtual clock,
// and started again from nothing after the child has ended it.
#pragma once

#include <memory>

#include "app/program.h"
#include "forms/application.h"
#include "forms/testing.h"

namespace velmora::soak {

class ProgramRun {
 public:
  ProgramRun() { start(); }
  ~ProgramRun() { tearDown(); }
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  Program& program() { return *program_; }
  void advance(int ms) { session_->advance(ms); }
  std::int64_t now() const { return session_->now(); }

  // Live toolkit objects before this program's windows were made: where
  // the count must return once the program object is gone.
  int objectsBefore() const { return objectsBefore_; }

  // Destroys the program's window objects, then the session.
  void tearDown() {
    program_.reset();
    objectsAfterTearDown_ = forms::liveObjectCount();
    session_.reset();
  }
  int objectsAfterTearDown() const { return objectsAfterTearDown_; }

  // A fresh session and program object, the menu shown: the program as it
  // is at every start.
  void start() {
    session_ = std::make_unique<forms::testing::Session>();
    objectsBefore_ = forms::liveObjectCount();
    program_ = std::make_unique<Program>();
    program_->start();
  }

 private:
  std::unique_ptr<forms::testing::Session> session_;
  std::unique_ptr<Program> program_;
  int objectsBefore_ = 0;
  int objectsAfterTearDown_ = 0;
};

}  // namespace velmora::soak

#pragma once
// The running test once more, alone, in a process of its own. For what a
// test cannot set up inside the test program as it was started: the program
// in a folder of its own (a crash report lies beside the program), or a
// locale in place before the program first asks for it.
//
//     if (!KWInChildTest()) {
//         const KWChildOutcome child = KWRunTestInChild(environment, copyOfTheProgram);
//         EXPECT_TRUE(child.passed) << child.output.toStdString();
//         return;
//     }
//     ... the test itself, in the child ...

#include <QProcessEnvironment>
#include <QString>

struct KWChildOutcome {
    bool passed = false; // the test ran and passed
    QString output; // everything it wrote, for a failure message
};

// Runs the current test with the program (this test program when empty), in
// this process's environment with `extra` and KW_TEST_CHILD=1 added.
KWChildOutcome KWRunTestInChild(const QProcessEnvironment& extra = {}, const QString& program = {});
// Whether this process is the child such a run started.
bool KWInChildTest();
// Puts the file at `to` as a hard link where the file system allows one
// (a program's folder as its user sees it, at no cost), a copy elsewhere.
bool KWLinkOrCopy(const QString& from, const QString& to);

#pragma once
#include <QString>

// What the print system says of a queue and of the job just handed to it. QPrinter
// neither tells whether a queue takes jobs nor whether the print system accepted the
// job it sent at QPainter::end(), so a refused job would otherwise look printed.
namespace PrintQueue {

// Why a job for the queue `name` would be refused now (print system unreachable,
// no such queue, queue not accepting jobs); empty when it takes jobs.
QString Problem(const QString& name);

// Why the print system refused the job sent last from this thread; empty when it took
// it. Meaningful only right after a job was sent to a queue that Problem() passed.
QString JobProblem();

} // namespace PrintQueue

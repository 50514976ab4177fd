// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checks that the fuzz targets make on one input, shared with the regression tests that
// replay every input the fuzzer once caught. Each returns an empty text when the input passes,
// otherwise what went wrong.

#include <QByteArray>
#include <QString>

namespace verifications {

// lisNombre against the C library's strtod on the same text (comma read as a point, "D" as "E"):
// the same value to the last bit, and as many characters read.
QString nombre(const QByteArray& donnees);

// The calculator's engine: a result code 0 to 3; on success a finite number that reads back
// as itself.
QString calcul(const QByteArray& donnees);

// The field validators (first byte: which field): the validated text validates to itself again,
// reads back finite and inside the field's bounds, and holds only keys the field accepts; the
// same text read live by a tick places the picture within the placement limit.
QString saisie(const QByteArray& donnees);

// A record file and the configuration reader: every record reads inside the file and writes
// back to the same bytes; a configuration read whole holds values the controls can take and
// writes back to a file that reads the same; the five field texts it holds validate as the
// fields do.
QString configuration(const QByteArray& donnees);

// An exercise description (.E03): each of the 11 records holds exactly the Windows-1252 text of
// its slot, or is blank when the file stops before it and blank and damaged when its length
// runs past the slot or the file; the preview's figures follow from those texts; reading only
// the 11 slots, as the exercise window does, gives the same description.
QString description(const QByteArray& donnees);

}  // namespace verifications

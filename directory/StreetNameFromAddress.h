#pragma once

#include <QString>

// The street name to look up on the map, cut out of a phone record's
// address ("Ленина 25 кв 3" gives "Ленина"). Only the first word counts, except
// after the first words "50", "40", "81" and "Восточная", which take the next
// two words along ("50 лет Октября"). Words are separated by single spaces;
// the result is trimmed of characters of code 32 and below.
QString StreetNameFromAddress(const QString& address);

#pragma once
// Marks a text that the windows show in the user's language. Code without Qt
// keeps the English text; the windows look it up under `context` when they
// show it (QCoreApplication::translate(context, text)).
#define TRANSLATABLE(context, text) text

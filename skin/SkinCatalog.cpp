#include "SkinCatalog.h"

#include <array>

namespace {

struct Entry
{
    int width;
    int height;
    const char* role;
};

// Natural size and role of every picture, ids 101 upward. Consecutive ids with the same role
// stem are the states of one picture (normal, then pressed or selected).
constexpr std::array<Entry, SkinCatalog::Count> Entries{{
    {1582, 51, "title strip"},                                 // 101
    {32, 33, "close button"},                                  // 102
    {32, 33, "close button"},                                  // 103
    {66, 41, "import button"},                                 // 104
    {66, 41, "import button"},                                 // 105
    {66, 41, "spare button"},                                  // 106
    {66, 41, "spare button"},                                  // 107
    {66, 41, "upload button"},                                 // 108
    {66, 41, "upload button"},                                 // 109
    {516, 45, "logo overlay on the title strip"},              // 110
    {50, 72, "connection indicator (0 offline ... 6 online)"}, // 111
    {50, 72, "connection indicator (0 offline ... 6 online)"}, // 112
    {50, 72, "connection indicator (0 offline ... 6 online)"}, // 113
    {50, 72, "connection indicator (0 offline ... 6 online)"}, // 114
    {50, 72, "connection indicator (0 offline ... 6 online)"}, // 115
    {50, 72, "connection indicator (0 offline ... 6 online)"}, // 116
    {50, 72, "connection indicator (0 offline ... 6 online)"}, // 117
    {70, 55, "EQ group tab: music"},                           // 118
    {70, 55, "EQ group tab: music"},                           // 119
    {90, 55, "EQ group tab: microphone 1-2"},                  // 120
    {90, 55, "EQ group tab: microphone 1-2"},                  // 121
    {70, 55, "EQ group tab: microphone 3"},                    // 122
    {70, 55, "EQ group tab: microphone 3"},                    // 123
    {70, 55, "EQ group tab: effect"},                          // 124
    {70, 55, "EQ group tab: effect"},                          // 125
    {70, 55, "EQ group tab: centre"},                          // 126
    {70, 55, "EQ group tab: centre"},                          // 127
    {70, 55, "EQ group tab: surround"},                        // 128
    {70, 55, "EQ group tab: surround"},                        // 129
    {70, 55, "EQ group tab: bass"},                            // 130
    {70, 55, "EQ group tab: bass"},                            // 131
    {70, 55, "EQ group tab: record"},                          // 132
    {70, 55, "EQ group tab: record"},                          // 133
    {70, 55, "parameter panels tab"},                          // 134
    {70, 55, "parameter panels tab"},                          // 135
    {36, 35, "undo button"},                                   // 136
    {36, 35, "undo button"},                                   // 137
    {36, 35, "redo button"},                                   // 138
    {36, 35, "redo button"},                                   // 139
    {72, 35, "EQ bypass toggle"},                              // 140
    {72, 35, "EQ bypass toggle"},                              // 141
    {72, 35, "EQ group reset button"},                         // 142
    {72, 35, "EQ group reset button"},                         // 143
    {55, 55, "emblem"},                                        // 144
    {31, 31, "band step left"},                                // 145
    {31, 31, "band step left"},                                // 146
    {31, 31, "band step right"},                               // 147
    {31, 31, "band step right"},                               // 148
    {47, 31, "panel lock (0 unlocked, 1 locked)"},             // 149
    {47, 31, "panel lock (0 unlocked, 1 locked)"},             // 150
    {357, 351, "master section panel"},                        // 151
    {1478, 71, "toolbar strip"},                               // 152
    {30, 23, "arrow down"},                                    // 153
    {30, 23, "arrow down"},                                    // 154
    {30, 23, "arrow up"},                                      // 155
    {30, 23, "arrow up"},                                      // 156
    {30, 23, "spare arrow"},                                   // 157
    {53, 30, "input selection display (inputs 1-7)"},          // 158
    {53, 30, "input selection display (inputs 1-7)"},          // 159
    {53, 30, "input selection display (inputs 1-7)"},          // 160
    {53, 30, "input selection display (inputs 1-7)"},          // 161
    {53, 30, "input selection display (inputs 1-7)"},          // 162
    {53, 30, "input selection display (inputs 1-7)"},          // 163
    {53, 30, "input selection display (inputs 1-7)"},          // 164
    {16, 16, "spare"},                                         // 165
    {16, 16, "spare"},                                         // 166
    {16, 16, "spare"},                                         // 167
    {16, 16, "spare"},                                         // 168
    {16, 16, "spare"},                                         // 169
    {16, 16, "spare"},                                         // 170
    {16, 16, "spare"},                                         // 171
    {16, 16, "spare"},                                         // 172
    {16, 16, "spare"},                                         // 173
    {16, 16, "spare"},                                         // 174
    {29, 30, "fader cap"},                                     // 175
    {21, 20, "graph marker band 1"},                           // 176
    {21, 20, "graph marker band 2"},                           // 177
    {21, 20, "graph marker band 3"},                           // 178
    {21, 20, "graph marker band 4"},                           // 179
    {21, 20, "graph marker band 5"},                           // 180
    {21, 20, "graph marker band 6"},                           // 181
    {21, 20, "graph marker band 7"},                           // 182
    {21, 20, "graph marker band 8"},                           // 183
    {21, 20, "graph marker band 9"},                           // 184
    {21, 20, "graph marker band 10"},                          // 185
    {21, 20, "graph marker band 11"},                          // 186
    {21, 20, "graph marker band 12"},                          // 187
    {21, 20, "graph marker band 13"},                          // 188
    {21, 20, "graph marker band 14"},                          // 189
    {21, 20, "graph marker band 15"},                          // 190
    {21, 21, "graph marker high cut"},                         // 191
    {21, 21, "graph marker low cut"},                          // 192
    {21, 20, "graph marker band 1, selected"},                 // 193
    {21, 20, "graph marker band 2, selected"},                 // 194
    {21, 20, "graph marker band 3, selected"},                 // 195
    {21, 20, "graph marker band 4, selected"},                 // 196
    {21, 20, "graph marker band 5, selected"},                 // 197
    {21, 20, "graph marker band 6, selected"},                 // 198
    {21, 20, "graph marker band 7, selected"},                 // 199
    {21, 20, "graph marker band 8, selected"},                 // 200
    {21, 20, "graph marker band 9, selected"},                 // 201
    {21, 20, "graph marker band 10, selected"},                // 202
    {21, 20, "graph marker band 11, selected"},                // 203
    {21, 20, "graph marker band 12, selected"},                // 204
    {21, 20, "graph marker band 13, selected"},                // 205
    {21, 20, "graph marker band 14, selected"},                // 206
    {21, 20, "graph marker band 15, selected"},                // 207
    {21, 21, "graph marker high cut, selected"},               // 208
    {21, 21, "graph marker low cut, selected"},                // 209
    {87, 50, "mode display (modes 1-8)"},                      // 210
    {87, 50, "mode display (modes 1-8)"},                      // 211
    {87, 50, "mode display (modes 1-8)"},                      // 212
    {87, 50, "mode display (modes 1-8)"},                      // 213
    {87, 50, "mode display (modes 1-8)"},                      // 214
    {87, 50, "mode display (modes 1-8)"},                      // 215
    {87, 50, "mode display (modes 1-8)"},                      // 216
    {87, 50, "mode display (modes 1-8)"},                      // 217
    {30, 30, "tone slider knob"},                              // 218
    {16, 16, "spare"},                                         // 219
    {38, 297, "large fader track"},                            // 220
    {44, 323, "tone slider track"},                            // 221
    {16, 16, "spare"},                                         // 222
    {10, 13, "large digit 0"},                                 // 223
    {9, 13, "large digit 1"},                                  // 224
    {10, 13, "large digit 2"},                                 // 225
    {10, 13, "large digit 3"},                                 // 226
    {10, 13, "large digit 4"},                                 // 227
    {10, 13, "large digit 5"},                                 // 228
    {10, 13, "large digit 6"},                                 // 229
    {10, 13, "large digit 7"},                                 // 230
    {10, 13, "large digit 8"},                                 // 231
    {10, 13, "large digit 9"},                                 // 232
    {48, 28, "routing switch: off"},                           // 233
    {48, 28, "routing switch: off"},                           // 234
    {48, 28, "routing switch: on"},                            // 235
    {48, 28, "routing switch: on"},                            // 236
    {53, 31, "mode change: option 1"},                         // 237
    {53, 31, "mode change: option 1"},                         // 238
    {53, 31, "mode change: option 0"},                         // 239
    {53, 31, "mode change: option 0"},                         // 240
    {8, 25, "balance slider thumb"},                           // 241
    {8, 25, "balance slider thumb, centred"},                  // 242
    {159, 29, "auxiliary balance track"},                      // 243
    {159, 29, "main balance track"},                           // 244
    {282, 48, "frequency knob track"},                         // 245
    {282, 48, "gain knob track"},                              // 246
    {282, 48, "Q knob track"},                                 // 247
    {16, 16, "spare"},                                         // 248
    {1171, 280, "effect panel"},                               // 249
    {33, 9, "group marker"},                                   // 250
    {1171, 268, "band editor panel"},                          // 251
    {60, 29, "band read-out background"},                      // 252
    {16, 16, "spare"},                                         // 253
    {16, 16, "spare"},                                         // 254
    {16, 16, "spare"},                                         // 255
    {16, 16, "spare"},                                         // 256
    {16, 16, "spare"},                                         // 257
    {16, 16, "spare"},                                         // 258
    {16, 16, "spare"},                                         // 259
    {16, 16, "spare"},                                         // 260
    {16, 16, "spare"},                                         // 261
    {16, 16, "spare"},                                         // 262
    {16, 16, "spare"},                                         // 263
    {16, 16, "spare"},                                         // 264
    {16, 16, "spare"},                                         // 265
    {16, 16, "spare"},                                         // 266
    {16, 16, "spare"},                                         // 267
    {16, 16, "spare"},                                         // 268
    {16, 16, "spare"},                                         // 269
    {16, 16, "spare"},                                         // 270
    {16, 16, "spare"},                                         // 271
    {43, 174, "common level fader track"},                     // 272
    {53, 30, "start mode display (modes 1-8)"},                // 273
    {53, 30, "start mode display (modes 1-8)"},                // 274
    {53, 30, "start mode display (modes 1-8)"},                // 275
    {53, 30, "start mode display (modes 1-8)"},                // 276
    {53, 30, "start mode display (modes 1-8)"},                // 277
    {53, 30, "start mode display (modes 1-8)"},                // 278
    {53, 30, "start mode display (modes 1-8)"},                // 279
    {53, 30, "start mode display (modes 1-8)"},                // 280
    {16, 16, "spare"},                                         // 281
    {16, 16, "spare"},                                         // 282
    {16, 16, "spare"},                                         // 283
    {27, 31, "selector step down"},                            // 284
    {27, 31, "selector step down"},                            // 285
    {27, 31, "selector step up"},                              // 286
    {27, 31, "selector step up"},                              // 287
    {53, 31, "save mode: option 0"},                           // 288
    {53, 31, "save mode: option 0"},                           // 289
    {53, 31, "save mode: option 1"},                           // 290
    {53, 31, "save mode: option 1"},                           // 291
    {1171, 280, "volume panel"},                               // 292
    {16, 16, "spare"},                                         // 293
    {16, 16, "spare"},                                         // 294
    {6, 13, "large decimal point"},                            // 295
    {9, 13, "large minus sign"},                               // 296
    {1547, 382, "EQ graph background"},                        // 297
    {220, 34, "effect slider track"},                          // 298
    {41, 175, "effect fader track"},                           // 299
    {1171, 280, "common level panel"},                         // 300
    {48, 28, "bass phase: normal"},                            // 301
    {48, 28, "bass phase: normal"},                            // 302
    {48, 28, "bass phase: inverted"},                          // 303
    {48, 28, "bass phase: inverted"},                          // 304
    {7, 10, "small digit 0"},                                  // 305
    {5, 10, "small digit 1"},                                  // 306
    {7, 10, "small digit 2"},                                  // 307
    {7, 10, "small digit 3"},                                  // 308
    {7, 10, "small digit 4"},                                  // 309
    {7, 10, "small digit 5"},                                  // 310
    {7, 10, "small digit 6"},                                  // 311
    {7, 10, "small digit 7"},                                  // 312
    {7, 10, "small digit 8"},                                  // 313
    {7, 10, "small digit 9"},                                  // 314
    {16, 16, "spare"},                                         // 315
    {16, 16, "spare"},                                         // 316
    {36, 167, "volume fader track"},                           // 317
    {29, 30, "volume fader cap"},                              // 318
    {66, 41, "save button"},                                   // 319
    {66, 41, "save button"},                                   // 320
    {300, 60, "EQ bypass banner"},                             // 321
    {38, 297, "large fader lit overlay"},                      // 322
    {220, 34, "effect slider lit overlay"},                    // 323
    {282, 48, "knob lit overlay"},                             // 324
    {16, 16, "spare"},                                         // 325
    {76, 12, "band name: EQ 1"},                               // 326
    {76, 12, "band name: EQ 2"},                               // 327
    {76, 12, "band name: EQ 3"},                               // 328
    {76, 12, "band name: EQ 4"},                               // 329
    {76, 12, "band name: EQ 5"},                               // 330
    {76, 12, "band name: EQ 6"},                               // 331
    {76, 12, "band name: EQ 7"},                               // 332
    {76, 12, "band name: EQ 8"},                               // 333
    {76, 12, "band name: EQ 9"},                               // 334
    {76, 12, "band name: EQ 10"},                              // 335
    {76, 12, "band name: EQ 11"},                              // 336
    {76, 12, "band name: EQ 12"},                              // 337
    {76, 12, "band name: EQ 13"},                              // 338
    {76, 12, "band name: EQ 14"},                              // 339
    {76, 12, "band name: EQ 15"},                              // 340
    {76, 12, "band name: high cut"},                           // 341
    {76, 12, "band name: low cut"},                            // 342
    {76, 12, "band name: spare state"},                        // 343
    {76, 12, "band name: EQ 1, offline"},                      // 344
    {76, 12, "band name: EQ 2, offline"},                      // 345
    {76, 12, "band name: EQ 3, offline"},                      // 346
    {76, 12, "band name: EQ 4, offline"},                      // 347
    {76, 12, "band name: EQ 5, offline"},                      // 348
    {76, 12, "band name: EQ 6, offline"},                      // 349
    {76, 12, "band name: EQ 7, offline"},                      // 350
    {76, 12, "band name: EQ 8, offline"},                      // 351
    {76, 12, "band name: EQ 9, offline"},                      // 352
    {76, 12, "band name: EQ 10, offline"},                     // 353
    {76, 12, "band name: EQ 11, offline"},                     // 354
    {76, 12, "band name: EQ 12, offline"},                     // 355
    {76, 12, "band name: EQ 13, offline"},                     // 356
    {76, 12, "band name: EQ 14, offline"},                     // 357
    {76, 12, "band name: EQ 15, offline"},                     // 358
    {76, 12, "band name: high cut, offline"},                  // 359
    {76, 12, "band name: low cut, offline"},                   // 360
    {37, 5, "band indicator line, online"},                    // 361
    {37, 5, "band indicator line, offline"},                   // 362
    {53, 23, "band editor marker 1"},                          // 363
    {53, 23, "band editor marker 1, selected"},                // 364
    {53, 23, "band editor marker 2"},                          // 365
    {53, 23, "band editor marker 2, selected"},                // 366
    {53, 23, "band editor marker 3"},                          // 367
    {53, 23, "band editor marker 3, selected"},                // 368
    {53, 23, "band editor marker 4"},                          // 369
    {53, 23, "band editor marker 4, selected"},                // 370
    {53, 23, "band editor marker 5"},                          // 371
    {53, 23, "band editor marker 5, selected"},                // 372
    {53, 23, "band editor marker 6"},                          // 373
    {53, 23, "band editor marker 6, selected"},                // 374
    {53, 23, "band editor marker 7"},                          // 375
    {53, 23, "band editor marker 7, selected"},                // 376
    {53, 23, "band editor marker 8"},                          // 377
    {53, 23, "band editor marker 8, selected"},                // 378
    {53, 23, "band editor marker 9"},                          // 379
    {53, 23, "band editor marker 9, selected"},                // 380
    {53, 23, "band editor marker 10"},                         // 381
    {53, 23, "band editor marker 10, selected"},               // 382
    {53, 23, "band editor marker 11"},                         // 383
    {53, 23, "band editor marker 11, selected"},               // 384
    {53, 23, "band editor marker 12"},                         // 385
    {53, 23, "band editor marker 12, selected"},               // 386
    {53, 23, "band editor marker 13"},                         // 387
    {53, 23, "band editor marker 13, selected"},               // 388
    {53, 23, "band editor marker 14"},                         // 389
    {53, 23, "band editor marker 14, selected"},               // 390
    {53, 23, "band editor marker 15"},                         // 391
    {53, 23, "band editor marker 15, selected"},               // 392
    {51, 20, "band editor marker low cut"},                    // 393
    {51, 20, "band editor marker low cut, selected"},          // 394
    {51, 20, "band editor marker high cut"},                   // 395
    {51, 20, "band editor marker high cut, selected"},         // 396
    {87, 50, "FBX display (settings 0-3)"},                    // 397
    {87, 50, "FBX display (settings 0-3)"},                    // 398
    {87, 50, "FBX display (settings 0-3)"},                    // 399
    {87, 50, "FBX display (settings 0-3)"},                    // 400
}};

// Where each picture starts in the block of pixels, and (last) the block's size.
constexpr std::array<qsizetype, SkinCatalog::Count + 1> Offsets = [] {
    std::array<qsizetype, SkinCatalog::Count + 1> offsets{};
    for (int i = 0; i < SkinCatalog::Count; ++i) {
        offsets[i + 1] = offsets[i] + qsizetype(Entries[i].width) * Entries[i].height *
                                          SkinCatalog::BytesPerPixel;
    }
    return offsets;
}();

} // namespace

QSize SkinCatalog::naturalSize(int id)
{
    return contains(id) ? QSize(Entries[id - FirstId].width, Entries[id - FirstId].height)
                        : QSize();
}

QString SkinCatalog::role(int id)
{
    return contains(id) ? QString::fromLatin1(Entries[id - FirstId].role) : QString();
}

qsizetype SkinCatalog::pixelOffset(int id)
{
    return id >= FirstId && id <= LastId + 1 ? Offsets[id - FirstId] : -1;
}

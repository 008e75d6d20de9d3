// Writes the optimizer's reference vectors: simulated learners' answers, the training items the
// reference makes of them, its evaluation of parameter sets and its fitted sets.
// Run with `npm install && node make-vectors.mjs ../../tests/review/optimizer-vectors`; the committed
// files keep CI off the network.
import * as fs from "node:fs";
import {
    computeParameters,
    convertCsvToFsrsItems,
    FSRSBinding,
} from "@open-spaced-repetition/binding";

const outDir = process.argv[2] ?? ".";
const DAY_MS = 86400000;
const DEFAULT = [0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001, 1.8722, 0.1666, 0.796, 1.4835,
    0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542];

let seed = 1;
const random = () => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed / 2147483648;
};

// A learner whose memory follows FSRS-6 with its own parameters, reviewed at varied intervals, with
// now and then a second answer on the same day.
function simulate(answers, cards, days, truth, spread) {
    const rows = [];
    const decay = -truth[20], factor = Math.pow(0.9, 1 / decay) - 1;
    const recall = (t, s) => Math.pow(1 + factor * t / s, decay);
    const perCard = Math.max(2, Math.round(answers / cards));
    for (let card = 1; card <= cards && rows.length < answers; ++card) {
        let day = Math.floor(random() * days / 2), s = 0, d = 0, last = 0;
        for (let k = 0; k < perCard && rows.length < answers && day < days; ++k) {
            let rating;
            if (k === 0) {
                const x = random();
                rating = x < 0.2 ? 1 : x < 0.3 ? 2 : x < 0.9 ? 3 : 4;
                s = truth[rating - 1];
                d = Math.min(10, Math.max(1, truth[4] - Math.exp(truth[5] * (rating - 1)) + 1));
            } else {
                const t = day - last;
                const r = recall(t, s);
                const x = random();
                rating = x > r ? 1 : x > r * 0.9 ? 2 : x < r * 0.05 ? 4 : 3;
                if (t === 0) {
                    s = s * Math.exp(truth[17] * (rating - 3 + truth[18])) * Math.pow(s, -truth[19]);
                } else if (rating === 1) {
                    s = Math.min(s, truth[11] * Math.pow(d, -truth[12]) * (Math.pow(s + 1, truth[13]) - 1)
                        * Math.exp((1 - r) * truth[14]));
                } else {
                    s = s * (1 + Math.exp(truth[8]) * (11 - d) * Math.pow(s, -truth[9])
                        * (Math.exp((1 - r) * truth[10]) - 1) * (rating === 2 ? truth[15] : 1)
                        * (rating === 4 ? truth[16] : 1));
                }
                s = Math.min(36500, Math.max(0.01, s));
                d = d - truth[6] * (rating - 3) * (10 - d) / 9;
                d = Math.min(10, Math.max(1, truth[7] * (truth[4] - Math.exp(3 * truth[5]) + 1) + (1 - truth[7]) * d));
            }
            rows.push([card, day, rating, random()]);
            last = day;
            const sameDay = rating === 1 && random() < 0.3;
            day += sameDay ? 0 : Math.max(1, Math.round(s * (0.3 + spread * random())));
        }
    }
    return rows;
}

// Noon UTC plus a little: same-day answers of a card may come out in either order.
const timeOf = (day, x, i) => day * DAY_MS + 43200000 + Math.floor(x * 3600000) + i;

function itemsOf(rows) {
    // Answers at noon UTC plus a little, in time order, as an exported history writes them.
    const sorted = rows.map(([card, day, rating, x], i) => [card, timeOf(day, x, i), rating]);
    sorted.sort((a, b) => a[1] - b[1]);
    const seen = new Set();
    const csv = ["card_id,review_time,review_rating,review_state,review_duration"];
    for (const [card, time, rating] of sorted) {
        csv.push(`${card},${time},${rating},${seen.has(card) ? 1 : 0},5000`);
        seen.add(card);
    }
    return convertCsvToFsrsItems(new TextEncoder().encode(csv.join("\n") + "\n"), 0, "UTC", () => 0);
}

// FNV-1a (64 bits) of the items' texts, each followed by a newline.
function digest(texts) {
    let h = 0xcbf29ce484222325n;
    for (const byte of new TextEncoder().encode(texts.map((t) => t + "\n").join(""))) {
        h ^= BigInt(byte);
        h = (h * 0x100000001b3n) & 0xffffffffffffffffn;
    }
    return h.toString(16);
}

// Log-loss and RMSE(bins), or "none" where the reference declines (too few items).
function evaluate(w, items) {
    try {
        const e = new FSRSBinding(w).evaluate(items);
        return `${e.logLoss} ${e.rmseBins}`;
    } catch {
        return "none";
    }
}

const learners = [
    ["tiny", 70, 30, 200, 1.0],
    ["small", 200, 60, 300, 1.0],
    ["a1k", 1000, 150, 400, 1.2],
    ["b5k", 5000, 600, 700, 0.8],
    ["c20k", 20000, 2000, 1000, 1.6],
    ["d100k", 118000, 10000, 1500, 1.1],
];
const other = DEFAULT.map((w, i) => (i === 20 ? 0.3 : i < 4 ? w * 1.7 : w * (i % 2 ? 1.1 : 0.9)));
for (const [name, answers, cards, days, spread] of learners) {
    const truth = DEFAULT.map((w, i) => (i === 20 ? 0.1 + 0.5 * random() : w * (0.7 + 0.6 * random())));
    const rows = simulate(answers, cards, days, truth, spread);
    const items = itemsOf(rows);
    const out = [`# ${name}: ${rows.length} answers, ${items.length} items`];
    rows.forEach(([card, day, rating, x], i) => out.push(`a ${card} ${timeOf(day, x, i)} ${day} ${rating}`));
    // The items themselves for the smaller learners; for the largest their count and a digest.
    const texts = items.map((item) => item.reviews.map((r) => `${r.rating}:${r.deltaT}`).join(" "));
    if (rows.length <= 20000) for (const text of texts) out.push(`i ${text}`);
    out.push(`h ${items.length} ${digest(texts)}`);
    for (const w of [DEFAULT, other]) {
        out.push(`e ${w.join(",")} ${evaluate(w, items)}`);
    }
    const oneBatch = { numEpochs: 5, batchSize: items.length + 1, seed: 2023, maxSeqLen: 64, learningRate: 0.04 };
    for (const [shortTerm, gamma] of [[true, 1], [false, 1], [true, 0], [true, 3]]) {
        const config = { ...oneBatch, gamma };
        const w = await computeParameters(items, { enableShortTerm: shortTerm, trainingConfig: config });
        out.push(`f ${shortTerm ? 1 : 0} ${gamma} ${w.join(",")}`);
    }
    const fitted = await computeParameters(items, { enableShortTerm: true });
    out.push(`d ${fitted.join(",")} ${evaluate(fitted, items)}`);
    fs.writeFileSync(`${outDir}/${name}.txt`, out.join("\n") + "\n");
    console.error(name, rows.length, items.length);
}

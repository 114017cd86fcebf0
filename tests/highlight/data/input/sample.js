'use strict';
/**
 * Shopping cart widget.
 */
import { format } from './money.js';

const TAX = 0.2, LIMIT = 1_000_000n, MASK = 0xFF, BITS = 0b1010, MODE = 0o755;
let count = 0;

class Cart extends EventTarget {
  #items = [];
  static empty() { return new Cart(); }

  async load(url) {
    const res = await fetch(`${url}/items?page=${count + 1}`);
    const text = `Line one
line two with ${ {a: 1}.a } inside`;
    return res.ok ? await res.json() : null;
  }

  total() {
    const re = /\d+(\.\d{2})?/g;
    let sum = this.#items.reduce((s, i) => s + i.price / 100, 0);
    return sum * (1 + TAX) / 2;
  }
}

document.body.onclick = function (e) { alert("Clicked: " + e.target.id); };
window.onload = () => console.log('ready \'now\'', typeof undefined);
for (const x of [1, 2.5e-3, .75]) { if (x instanceof Number) continue; }
/* unterminated block comment
   continues here */ let after = true;

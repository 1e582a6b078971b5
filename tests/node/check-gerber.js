#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// Reads Gerber and drill files with an independent parser and prints, per
// file, one JSON line: the file type, every warning (notes about X2
// attributes apart), whether the file ended
// properly, and counts of what it draws, so that a test can compare them
// with what it expects.
'use strict'

const fs = require('fs')
const gerberParser = require('gerber-parser')

function check(fileName) {
  const result = {
    file: fileName,
    filetype: null,
    warnings: [],
    attributeNotes: [],
    error: null,
    done: false,
    tools: 0,
    flashes: 0,
    draws: 0,
    arcs: 0,
    regions: 0,
    clearLevels: 0,
  }
  try {
    const parser = gerberParser()
    parser.on('warning', w => {
      // This parser predates X2 attributes and notes each one as an
      // unrecognised block: those notes are kept apart from real warnings.
      // It also asks every drill file for a zero mode, which coordinates
      // with a decimal point do not need (and some readers refuse one with
      // them): a note, not a fault.
      const note = /^block "%T[FAOD]/.test(w.message) || /^zero suppression missing/.test(w.message)
      const list = note ? result.attributeNotes : result.warnings
      list.push(`line ${w.line}: ${w.message}`)
    })
    const objects = parser.parseSync(fs.readFileSync(fileName, 'utf8'))
    result.filetype = parser.format.filetype
    let mode = 'i'
    for (const o of objects) {
      if (o.type === 'done') result.done = true
      else if (o.type === 'tool') result.tools += 1
      else if (o.type === 'set' && o.prop === 'mode') mode = o.value
      else if (o.type === 'set' && o.prop === 'region' && o.value) result.regions += 1
      else if (o.type === 'level' && o.level === 'polarity' && o.value === 'C') result.clearLevels += 1
      else if (o.type === 'op' && o.op === 'flash') result.flashes += 1
      else if (o.type === 'op' && o.op === 'int') {
        if (mode === 'i') result.draws += 1
        else result.arcs += 1
      }
    }
  } catch (e) {
    result.error = String(e && e.message ? e.message : e)
  }
  return result
}

const files = process.argv.slice(2)
if (files.length === 0) {
  console.error('usage: check-gerber.js FILE...')
  process.exit(2)
}
for (const f of files) console.log(JSON.stringify(check(f)))
